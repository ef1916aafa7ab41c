// The file that holds the device's latest folder answer: "vwxyz.xml" in the
// user's private temporary directory. The SOAP client writes it, the folder
// button's handler reads it (docs/reader-guide.md).
#pragma once

#include <optional>
#include <string>

namespace folders {

// The temporary directory followed by "vwxyz.xml"; none when the system
// gives no private temporary directory. A shared folder such as /tmp is
// never used: another user could put a file or a link there first.
std::optional<std::string> responseFilePath();

// The file's contents when it is a regular file of this user that no one
// else may change; none otherwise. In a shared directory another user could
// have planted the file or a link in its place.
std::optional<std::string> readOwnPrivateFile(const std::string& path);

}  // namespace folders
