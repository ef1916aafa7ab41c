// What the tests of the job-settings exchange and the remembered defaults
// share: a panel with the real layout on the sample PPD, at a fixed instant,
// and the value forms computed independently with OpenSSL.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/core/CoreTime.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "tests/support/FakeHost.h"

// Saturday 5 December 2026, 05:11:09.8 at UTC+9.
inline constexpr const char* kFixedSpoolTime = "Sat, 5 Dec 2026 05:11:09 +0900";
platform::ScopedFixedClock fixedSaveClock();

// A panel made with `host` whose view is loaded and controls set up.
std::shared_ptr<NelvoPrintPdeZlm420kJC> openPanel(const std::shared_ptr<FakeHost>& host);

// The value under `key`, or none.
std::optional<std::string> valueOf(const FakeHost& host, const std::string& key);

// Upper-case hex text of bytes.
std::string hexOf(const std::string& bytes);

// The text zero-padded to whole blocks and enciphered block by block under
// `key` (16 bytes); `blocks` blocks are taken, extra ones as zero bytes.
std::string referenceCipher(const std::string& clear, const std::string& key, size_t blocks);
std::string fixedKey();
// Hex text of the clear text enciphered under the fixed key.
std::string fixedKeyHex(const std::string& clear, size_t blocks = 1);
// The key that the save at the fixed instant takes from its spool time.
std::string fixedJobKey();

std::string referenceMd5Hex(const std::string& text);
std::string referenceBase64Of(const std::string& bytes);
