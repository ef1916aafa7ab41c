#include "settings/ValueForms.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "crypto/Aes.h"
#include "crypto/Base64.h"
#include "crypto/Md5.h"
#include "settings/SettingsKeys.h"
#include "settings/ValueHelpers.h"

namespace value_forms {
namespace {

using value_buffers::kCipherBlock;
using value_buffers::wholeBlocks;

constexpr size_t kPaddedWidth = 5;

using CipherBuffer = std::array<unsigned char, value_buffers::kCipherText>;

std::string base64Text(const unsigned char* bytes, size_t length) {
    std::array<char, value_buffers::kCipherText> encoded{};
    // The longest text enciphered is 255 bytes: 256 cipher bytes, 345
    // characters of Base64 with the terminator.
    length = std::min(length, static_cast<size_t>((encoded.size() - 1) / 4 * 3));
    Base64encode(encoded.data(), bytes, static_cast<int>(length));
    return encoded.data();
}

bool isZeroBlock(const unsigned char* block) {
    return std::all_of(block, block + kCipherBlock, [](unsigned char byte) { return byte == 0; });
}

std::string textUpToZero(const unsigned char* bytes, size_t limit) {
    const char* text = reinterpret_cast<const char*>(bytes);
    return std::string(text, strnlen(text, limit));
}

}  // namespace

std::string hexText(const unsigned char* bytes, size_t length) {
    std::vector<char> text(2 * length + 1);
    myitoa(bytes, text.data(), static_cast<uint32_t>(length));
    return text.data();
}

std::string paddedDigits(const ClearText& digits) {
    const size_t missing = digits.length < kPaddedWidth ? kPaddedWidth - digits.length : 0;
    return std::string(missing, '0') + digits.c_str();
}

std::string fixedKeyHexForm(const ClearText& text, size_t cipherBytes) {
    CipherBuffer cipher{};
    my_aes_encrypt(text.data(), cipher.data(), cipher.size());
    return hexText(cipher.data(), std::min(cipherBytes, cipher.size()));
}

std::string fixedKeyBase64Form(const ClearText& text) {
    CipherBuffer cipher{};
    my_aes_encrypt(text.data(), cipher.data(), cipher.size());
    return base64Text(cipher.data(), wholeBlocks(text.length));
}

std::string jobKeyBase64Form(const ClearText& text, const std::string& spoolTime) {
    CipherBuffer cipher{};
    my_aes_encrypt2(text.data(), reinterpret_cast<const unsigned char*>(spoolTime.c_str()), cipher.data(),
                    cipher.size());
    return base64Text(cipher.data(), wholeBlocks(text.length));
}

std::string jobDigest(const std::string& first, const std::string& second) {
    std::array<char, value_buffers::kDigestInput> joined{};
    const std::string whole = (first + second).substr(0, joined.size() - 1);
    std::memcpy(joined.data(), whole.data(), whole.size());
    std::array<char, value_buffers::kDigest> digest{};
    calcMD5(digest.data(), joined.data());
    return digest.data();
}

std::string decodeFixedKeyHexForm(const StoredText& stored, size_t digits) {
    if (stored.empty()) return {};
    // myatoi reads `digits` characters: never past the stored text's buffer.
    digits = std::min(digits, stored.capacity() - 1);
    CipherBuffer cipher{};
    myatoi(stored.c_str(), cipher.data(), static_cast<uint32_t>(digits));
    size_t length = digits / 2;
    while (length > kCipherBlock && isZeroBlock(cipher.data() + length - kCipherBlock))
        length -= kCipherBlock;
    CipherBuffer clear{};
    my_aes_decrypt(cipher.data(), length, clear.data(), clear.size());
    return textUpToZero(clear.data(), wholeBlocks(length));
}

std::string decodeFixedKeyBase64Form(const StoredText& stored) {
    if (stored.empty()) return {};
    // Base64decode takes no output size: at most 510 characters, which
    // decode to at most 384 bytes, ever reach it.
    const StoredText kept(stored.c_str(), value_buffers::kCipherText);
    CipherBuffer decoded{};
    const int length = Base64decode(decoded.data(), kept.c_str());
    if (length <= 0) return {};
    CipherBuffer clear{};
    my_aes_decrypt(decoded.data(), static_cast<size_t>(length), clear.data(), clear.size());
    return textUpToZero(clear.data(), std::min(wholeBlocks(static_cast<size_t>(length)), clear.size()));
}

std::string decodeHexText(const StoredText& stored) {
    std::vector<unsigned char> bytes(stored.length() / 2 + 2, 0);
    myatoi(stored.c_str(), bytes.data(), static_cast<uint32_t>(stored.length()));
    return textUpToZero(bytes.data(), bytes.size());
}

}  // namespace value_forms
