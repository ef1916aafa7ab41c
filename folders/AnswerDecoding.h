// The device's answer as text: its bytes decoded from the encoding that the
// answer itself names, before any XML parsing sees them.
#pragma once

#include <optional>
#include <string>

namespace folders {

// The answer as UTF-8. The encoding is the one its byte order mark names,
// else the one its XML declaration names, else UTF-8. None when the encoding
// is unknown or the bytes are not valid in it: such an answer is not XML.
std::optional<std::string> answerAsUtf8(const std::string& bytes);

}  // namespace folders
