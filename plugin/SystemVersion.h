// The operating system's version, read from its SystemVersion property list.
#pragma once

#include <cstdint>
#include <string>

inline constexpr const char* kSystemVersionPlistPath = "/System/Library/CoreServices/SystemVersion.plist";

// Fills major, minor and patch from the "ProductVersion" entry of the
// property list at `plistPath`; a slot whose field is missing keeps its
// value, and a missing file or entry leaves all three as they came in.
void get_system_version(int32_t* major, int32_t* minor, int32_t* patch,
                        const std::string& plistPath = kSystemVersionPlistPath);

// Whether the system is version 10.5 or later; NO when it cannot be read.
bool runningOnLeopardOrLater(const std::string& plistPath = kSystemVersionPlistPath);
