// The URL of the device's folder service for the address typed in the panel.
#pragma once

#include <string>

inline constexpr const char* kFolderServiceSuffix = "/nelvo-mfp-srv";

// "http://" + address + "/nelvo-mfp-srv". The address is a host name or an
// IP address, with a port when the user adds one; a bare IPv6 address (which
// a URL cannot carry as it is) is put in brackets.
std::string folderServiceURLText(const std::string& address);
