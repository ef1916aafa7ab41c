// Facts of the logged-in user that the panel asks the system for.
#pragma once

#include <optional>
#include <string>

// The user's full name from the account database, or none.
std::optional<std::string> NSFullUserName();

// The user's private temporary directory, ending in "/": $TMPDIR when it is a
// directory of the user's own that nobody else may write to; otherwise
// "nelvo-<uid>" (mode 0700) in $TMPDIR or, without one, in /tmp, when nobody
// else made it first; otherwise a folder in the user's runtime folder or
// cache folder. Never a folder that other users may write to; none when no
// private one can be had.
std::optional<std::string> NSTemporaryDirectory();
