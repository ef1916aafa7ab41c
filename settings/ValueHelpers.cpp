#include "settings/ValueHelpers.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/CoreTime.h"
#include "platform/core/CoreTypes.h"
#include "platform/core/StringEncoding.h"
#include "settings/SettingsKeys.h"

namespace {

constexpr const char* kDayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr const char* kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool isAscii(const char* text) {
    for (; *text; ++text)
        if (static_cast<unsigned char>(*text) > 127) return false;
    return true;
}

// The keys of the settings that hold a piece of `baseKey`'s value: the base
// key followed by a piece number (1, 2, ..., no leading zero).
std::vector<std::string> pieceKeysOf(const platform::PrintSettings& settings, const std::string& baseKey) {
    std::vector<std::string> keys;
    const auto& values = settings.values();
    for (auto entry = values.upper_bound(baseKey); entry != values.end(); ++entry) {
        const std::string_view key = entry->first;
        if (key.substr(0, baseKey.size()) != baseKey) break;
        const std::string_view number = key.substr(baseKey.size());
        const bool isPieceNumber =
            number.front() != '0' && number.find_first_not_of("0123456789") == std::string_view::npos;
        if (isPieceNumber) keys.push_back(entry->first);
    }
    return keys;
}

}  // namespace

void myitoa(const unsigned char* source, char* destination, uint32_t n) {
    for (uint32_t i = 0; i < n; ++i) {
        destination[2 * i] = platform::upperHexDigit(source[i] >> 4);
        destination[2 * i + 1] = platform::upperHexDigit(source[i]);
    }
    destination[2 * static_cast<size_t>(n)] = '\0';
}

int GetSpoolTime(char* destination, unsigned long destinationSize) {
    const CFAbsoluteTime now = CFAbsoluteTimeGetCurrent();
    const CFTimeZone zone = CFTimeZoneCopySystem();
    const CFGregorianDate date = CFAbsoluteTimeGetGregorianDate(now, zone);
    const int32_t weekday = CFAbsoluteTimeGetDayOfWeek(now, zone);
    // Hundredths of an hour, not hours and minutes: +5:30 is written +0550.
    const long zoneFigure = static_cast<long>(CFTimeZoneGetSecondsFromGMT(zone, now)) / 36;

    const char* dayName = weekday >= 1 && weekday <= 7 ? kDayNames[weekday - 1] : kDayNames[0];
    const char* monthName = date.month >= 1 && date.month <= 12 ? kMonthNames[date.month - 1] : kMonthNames[0];
    const int written =
        std::snprintf(destination, destinationSize, "%s, %d %s %04d %02d:%02d:%02d %+05ld", dayName,
                      static_cast<int>(date.day), monthName, static_cast<int>(date.year), static_cast<int>(date.hour),
                      static_cast<int>(date.minute), static_cast<int>(std::trunc(date.second)), zoneFigure);
    if (written < 0) return 0;
    return written < static_cast<int>(destinationSize) ? written : static_cast<int>(destinationSize) - 1;
}

void ReplaceSpaceCode(unsigned char* buffer, int64_t length) {
    for (int64_t i = 0; i < length; ++i) {
        const unsigned char byte = buffer[i];
        if ((byte >= 1 && byte <= 8) || (byte >= 10 && byte <= 31) || byte == '"') buffer[i] = ' ';
    }
}

bool encodingWindowsLatin1() {
    switch (platform::legacyScriptEncoding()) {
        case kCFStringEncodingMacJapanese:
        case kCFStringEncodingMacChineseTrad:
        case kCFStringEncodingMacKorean:
        case kCFStringEncodingMacChineseSimp: return false;
        default: return true;
    }
}

void MyPMPrintSetAsciiCStrValue(PMPrintSettings settings, const char* key, const char* value) {
    if (!settings || !key) return;
    if (value && *value && isAscii(value)) {
        const std::string text = value;
        PMPrintSettingsSetValue(settings, key, &text, false);
    } else {
        PMPrintSettingsSetValue(settings, key, nullptr, false);
    }
}

void MyMultiPMPrintSetAsciiCStrValue(PMPrintSettings settings, const char* baseKey, const char* value) {
    constexpr size_t kMaxBaseKeyLength = 98;
    if (!settings || !baseKey || !*baseKey || std::strlen(baseKey) > kMaxBaseKeyLength) return;
    const auto partKey = [baseKey](size_t part) { return std::string(baseKey) + std::to_string(part); };

    // Every piece of an earlier value goes, however many it had: a piece left
    // behind would be read as part of the value that replaces it.
    for (const std::string& key : pieceKeysOf(*settings, baseKey))
        PMPrintSettingsSetValue(settings, key, nullptr, false);
    if (!value || !*value) return;

    const std::string text = value;
    const size_t parts = (text.size() + settings_keys::kChunkLength - 1) / settings_keys::kChunkLength;
    for (size_t part = 1; part <= parts; ++part) {
        const std::string piece = text.substr((part - 1) * settings_keys::kChunkLength, settings_keys::kChunkLength);
        MyPMPrintSetAsciiCStrValue(settings, partKey(part).c_str(), piece.c_str());
    }
}
