#include "preferences/StoredForms.h"

#include <algorithm>

#include "settings/ClearText.h"
#include "settings/ValueForms.h"

namespace {

constexpr size_t kLoginNameLimit = 255;
constexpr size_t kFolderPassCodeLimit = 255;
constexpr size_t kCodeCipherBytes = 16;

NSStringEncoding userSystemEncoding() { return CFStringConvertEncodingToNSStringEncoding(CFStringGetSystemEncoding()); }

bool isPlainAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string storedCodeForm(const std::string& text, size_t characters, size_t cipherBytes) {
    const ClearText clear = convertText(text, userSystemEncoding(), characters, characters);
    return clear.empty() ? std::string() : value_forms::fixedKeyHexForm(clear, cipherBytes);
}

std::string storedLoginNameForm(const std::string& text) {
    const ClearText clear = convertText(text, userSystemEncoding(), kLoginNameLimit, kLoginNameLimit);
    return clear.empty() ? std::string() : value_forms::fixedKeyBase64Form(clear);
}

std::string storedFolderPassCodeForm(const std::string& text) {
    if (!isPlainAscii(text) || text.size() > kFolderPassCodeLimit) return std::string();
    const ClearText clear = convertText(text, NSASCIIStringEncoding, kFolderPassCodeLimit, kFolderPassCodeLimit);
    return clear.empty() ? std::string() : value_forms::fixedKeyHexForm(clear, kCodeCipherBytes);
}
