#include "platform/text/CaseFolding.h"

#include <cwctype>

#include "platform/text/Utf16.h"

namespace platform {
namespace {

std::u32string codePoints(const std::string& text) {
    const std::u16string units = utf16FromUtf8(text);
    std::u32string points;
    points.reserve(units.size());
    for (std::size_t index = 0; index < units.size(); ++index) {
        const char16_t unit = units[index];
        if (isHighSurrogate(unit) && index + 1 < units.size() && isLowSurrogate(units[index + 1])) {
            points.push_back(0x10000 + ((char32_t{unit} - 0xD800) << 10) + (char32_t{units[index + 1]} - 0xDC00));
            ++index;
        } else {
            points.push_back(unit);
        }
    }
    return points;
}

char32_t foldAscii(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
}

}  // namespace

CaseInsensitiveMatch::CaseInsensitiveMatch(const std::string& text)
    : caseMapping_(newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr))), folded_(folded(text)) {}

CaseInsensitiveMatch::~CaseInsensitiveMatch() {
    if (caseMapping_) freelocale(caseMapping_);
}

bool CaseInsensitiveMatch::matches(const std::string& other) const {
    return folded(other) == folded_;
}

std::u32string CaseInsensitiveMatch::folded(const std::string& text) const {
    std::u32string points = codePoints(text);
    for (char32_t& point : points)
        point = fold(point);
    return points;
}

// Upper case first, then lower, so that characters with several cased forms
// (the Greek final and medial sigma) meet in one.
char32_t CaseInsensitiveMatch::fold(char32_t c) const {
    if (c < 0x80 || !caseMapping_) return foldAscii(c);
    const wint_t upper = towupper_l(static_cast<wint_t>(c), caseMapping_);
    return static_cast<char32_t>(towlower_l(upper, caseMapping_));
}

bool equalIgnoringCase(const std::string& first, const std::string& second) {
    return CaseInsensitiveMatch(first).matches(second);
}

}  // namespace platform
