#include "platform/core/StringEncoding.h"

#include <langinfo.h>
#include <strings.h>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The name of the locale that sets the user's language: the one the program
// selected for messages, or, while it runs in the plain C locale, the one that
// the environment names (LC_ALL, then LC_MESSAGES, then LANG).
std::string localeLanguageName() {
    if (const char* selected = std::setlocale(LC_MESSAGES, nullptr)) {
        const std::string name = selected;
        if (name != "C" && name != "POSIX" && name.rfind("C.", 0) != 0) return name;
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return value;
    }
    return "C";
}

// The language and territory codes of a locale name such as "zh_TW.UTF-8" or
// "kok_IN@devanagari": compared whole, so that Konkani ("kok") is not taken
// for Korean ("ko").
struct LocaleCodes {
    std::string language;
    std::string territory;
};

LocaleCodes localeCodes(const std::string& name) {
    const std::string base = name.substr(0, name.find_first_of(".@"));
    const size_t underscore = base.find('_');
    if (underscore == std::string::npos) return {base, {}};
    return {base.substr(0, underscore), base.substr(underscore + 1)};
}

}  // namespace

CFStringEncoding CFStringGetSystemEncoding() {
    // nl_langinfo follows the LC_CTYPE that the program selected with
    // setlocale; a program that never did runs in the "C" locale (ASCII).
    const char* codeset = nl_langinfo(CODESET);
    if (!codeset) return kCFStringEncodingASCII;
    if (strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "UTF8") == 0) return kCFStringEncodingUTF8;
    if (strcasecmp(codeset, "ISO-8859-1") == 0) return kCFStringEncodingISOLatin1;
    if (strcasecmp(codeset, "CP1252") == 0) return kCFStringEncodingWindowsLatin1;
    if (strcasecmp(codeset, "SHIFT_JIS") == 0 || strcasecmp(codeset, "SJIS") == 0) return kCFStringEncodingShiftJIS;
    return kCFStringEncodingASCII;
}

NSStringEncoding CFStringConvertEncodingToNSStringEncoding(CFStringEncoding encoding) {
    switch (encoding) {
        case kCFStringEncodingASCII: return NSASCIIStringEncoding;
        case kCFStringEncodingUTF8: return NSUTF8StringEncoding;
        case kCFStringEncodingISOLatin1: return NSISOLatin1StringEncoding;
        case kCFStringEncodingShiftJIS:
        case kCFStringEncodingMacJapanese: return NSShiftJISStringEncoding;
        case kCFStringEncodingWindowsLatin1: return NSWindowsCP1252StringEncoding;
        case kCFStringEncodingMacRoman: return NSMacOSRomanStringEncoding;
        default: return 0;
    }
}

namespace platform {

CFStringEncoding legacyScriptEncoding() {
    const LocaleCodes codes = localeCodes(localeLanguageName());
    if (codes.language == "ja") return kCFStringEncodingMacJapanese;
    if (codes.language == "ko") return kCFStringEncodingMacKorean;
    if (codes.language == "zh") {
        const bool traditional = codes.territory == "TW" || codes.territory == "HK" || codes.territory == "MO";
        return traditional ? kCFStringEncodingMacChineseTrad : kCFStringEncodingMacChineseSimp;
    }
    return kCFStringEncodingMacRoman;
}

}  // namespace platform
