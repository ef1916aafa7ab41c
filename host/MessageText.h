// Input quoted back in the dialog's messages.
#pragma once

#include <string>

namespace host {

// `text` fit for a message on a terminal: valid UTF-8 (U+FFFD for what is
// not) and at most `mostCharacters` UTF-16 code units, cut with "…". A
// 200 MB line must not come back as a 200 MB message.
std::string quotedInMessage(const std::string& text, size_t mostCharacters = 60);

}  // namespace host
