// Comparing texts without regard to letter case, as the platform's
// case-insensitive string comparison does for the folder names of a device.
//
// ASCII letters always fold. Other characters fold by the Unicode simple
// case mapping of the C.UTF-8 locale, one character to one character ("Ä"
// and "ä" match, "ß" and "SS" do not); where that locale is missing they
// must match exactly. Invalid UTF-8 compares as U+FFFD.
#pragma once

#include <locale.h>

#include <string>

namespace platform {

// One text compared with many: the locale is opened and the text folded once.
class CaseInsensitiveMatch {
public:
    explicit CaseInsensitiveMatch(const std::string& text);
    ~CaseInsensitiveMatch();
    CaseInsensitiveMatch(const CaseInsensitiveMatch&) = delete;
    CaseInsensitiveMatch& operator=(const CaseInsensitiveMatch&) = delete;

    bool matches(const std::string& other) const;

private:
    std::u32string folded(const std::string& text) const;
    char32_t fold(char32_t c) const;

    // The C.UTF-8 locale of this object alone: the process's own locale, and
    // so the user's language, play no part in the fold.
    locale_t caseMapping_;
    std::u32string folded_;
};

bool equalIgnoringCase(const std::string& first, const std::string& second);

}  // namespace platform
