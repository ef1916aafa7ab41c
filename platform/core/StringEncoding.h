// The platform's text-encoding identifiers and the system's default encoding.
#pragma once

#include <cstdint>

// Identifiers of the string-encoding space that the panel stores.
using NSStringEncoding = uint64_t;
constexpr NSStringEncoding NSASCIIStringEncoding = 1;
constexpr NSStringEncoding NSUTF8StringEncoding = 4;
constexpr NSStringEncoding NSISOLatin1StringEncoding = 5;
constexpr NSStringEncoding NSShiftJISStringEncoding = 8;
constexpr NSStringEncoding NSWindowsCP1252StringEncoding = 12;
constexpr NSStringEncoding NSMacOSRomanStringEncoding = 30;

// Identifiers of the core services' encoding space. The first ones are the
// legacy script encodings.
using CFStringEncoding = uint32_t;
constexpr CFStringEncoding kCFStringEncodingMacRoman = 0;
constexpr CFStringEncoding kCFStringEncodingMacJapanese = 1;
constexpr CFStringEncoding kCFStringEncodingMacChineseTrad = 2;
constexpr CFStringEncoding kCFStringEncodingMacKorean = 3;
constexpr CFStringEncoding kCFStringEncodingMacChineseSimp = 25;
constexpr CFStringEncoding kCFStringEncodingISOLatin1 = 0x0201;
constexpr CFStringEncoding kCFStringEncodingWindowsLatin1 = 0x0500;
constexpr CFStringEncoding kCFStringEncodingASCII = 0x0600;
constexpr CFStringEncoding kCFStringEncodingShiftJIS = 0x0A01;
constexpr CFStringEncoding kCFStringEncodingUTF8 = 0x08000100;
constexpr CFStringEncoding kCFStringEncodingInvalidId = 0xFFFFFFFFu;

// The system's default text encoding: the code set of the process's locale
// (UTF-8, ISO Latin 1, Windows Latin 1, Shift JIS or ASCII).
CFStringEncoding CFStringGetSystemEncoding();

// The identifier of `encoding` in the string-encoding space, or 0 when it has
// none.
NSStringEncoding CFStringConvertEncodingToNSStringEncoding(CFStringEncoding encoding);

namespace platform {

// The legacy script encoding of the user's language: Mac Japanese, Mac
// Traditional Chinese, Mac Korean or Mac Simplified Chinese for those
// languages, Mac Roman for every other.
CFStringEncoding legacyScriptEncoding();

}  // namespace platform
