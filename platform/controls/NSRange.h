// A range of text, counted in UTF-16 code units as the platform's strings
// count them.
#pragma once

#include <cstddef>

struct NSRange {
    std::size_t location = 0;
    std::size_t length = 0;
    friend bool operator==(const NSRange&, const NSRange&) = default;
};

inline NSRange NSMakeRange(std::size_t location, std::size_t length) {
    return NSRange{location, length};
}
