// The job-key Base64 form: the receiving end, where the filter checks that a
// form deciphers and the device reads the login name and password.
#pragma once

#include <optional>
#include <string>

// The clear text of a job-key Base64 form under the key taken from the last
// 16 bytes of `spoolTime`; none when the form is not whole Base64 of whole
// cipher blocks, or when what it deciphers to is no zero-padded text without
// control characters (the sign of a wrong key or a damaged form). The form
// carries no check of its own: a wrong key that happens to give such a text
// goes unnoticed here, and the device's own check of the credentials refuses
// the job.
std::optional<std::string> decipherJobKeyForm(const std::string& form, const std::string& spoolTime);
