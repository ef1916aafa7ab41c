// Facts of the logged-in user that the panel asks the system for.
#pragma once

#include <optional>
#include <string>

// The user's full name from the account database, or none.
std::optional<std::string> NSFullUserName();

// The user's private temporary directory, ending in "/": $TMPDIR when it is a
// directory, otherwise a directory of the user's own with mode 0700 made under
// the system's temporary folder; none when neither can be had.
std::optional<std::string> NSTemporaryDirectory();
