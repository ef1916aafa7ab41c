// The forms in which the remembered defaults keep the enciphered values:
// the first characters of the text that the store takes, enciphered under
// the fixed key. An empty or unconvertible text is kept as the empty string.
#pragma once

#include <string>

// Pass code, user number, account number: the first 16 characters in the
// system encoding, 32 hex digits. The password: the first 32, 64 digits.
std::string storedCodeForm(const std::string& text, size_t characters, size_t cipherBytes);

// The login name: the first 255 characters in the system encoding, Base64.
std::string storedLoginNameForm(const std::string& text);

// The folder pass code: the whole text when it is plain ASCII of at most 255
// characters (nothing otherwise), 32 hex digits.
std::string storedFolderPassCodeForm(const std::string& text);
