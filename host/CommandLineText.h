// Text that arrives on the command line: bytes in the locale's encoding,
// which need not be UTF-8, while everything the dialog keeps and prints is.
#pragma once

#include <string>

namespace host {

// `bytes` as UTF-8: unchanged when they already are valid UTF-8, otherwise
// converted from `codeset` (an iconv name), and when even that fails, with
// U+FFFD for each byte that is not valid UTF-8. Nothing is dropped silently.
std::string utf8FromCommandLine(const std::string& bytes, const char* codeset);

// The same from the codeset of the locale that the program runs in.
std::string utf8FromCommandLine(const std::string& bytes);

}  // namespace host
