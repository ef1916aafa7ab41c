// Plain functions that turn job values into the text forms of the print
// settings and the remembered defaults.
#pragma once

#include <cstdint>

#include "platform/core/PrintingFramework.h"
#include "settings/HexText.h"

// Writes the n bytes of `source` as 2n upper-case hexadecimal digits and a
// terminator into `destination` (2n + 1 characters).
void myitoa(const unsigned char* source, char* destination, uint32_t n);

// Writes the spool-time text of the present instant in the system zone, such
// as "Sat, 5 Dec 2026 05:11:09 +0900", into `destination` (at least 32
// characters); returns the number of characters written.
int GetSpoolTime(char* destination, unsigned long destinationSize = 32);

// Turns the control characters 1-8 and 10-31 and the double quote of the first
// `length` bytes into spaces.
void ReplaceSpaceCode(unsigned char* buffer, int64_t length);

// NO when the user's legacy script is Japanese, Korean or either Chinese.
bool encodingWindowsLatin1();

// Stores `value` under `key` when it is a non-empty ASCII text; otherwise
// removes the key.
void MyPMPrintSetAsciiCStrValue(PMPrintSettings settings, const char* key, const char* value);

// Stores `value` in pieces of 254 characters under `baseKey` followed by the
// piece number (1, 2, ...), after removing the first piece and, for a value,
// the pieces up to one past the last written.
void MyMultiPMPrintSetAsciiCStrValue(PMPrintSettings settings, const char* baseKey, const char* value);
