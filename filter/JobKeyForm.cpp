#include "filter/JobKeyForm.h"

#include <openssl/crypto.h>

#include <algorithm>
#include <vector>

#include "crypto/Aes.h"
#include "crypto/Base64.h"
#include "settings/SettingsKeys.h"

namespace {

bool isAlphabet(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
}

// Alphabet characters, then at most two "=" to a length of whole quartets.
bool isWholeBase64(const std::string& form) {
    const size_t alphabet = std::find_if_not(form.begin(), form.end(), isAlphabet) - form.begin();
    const size_t padding = form.size() - alphabet;
    return !form.empty() && form.size() % 4 == 0 && padding <= 2 &&
           form.find_first_not_of('=', alphabet) == std::string::npos;
}

// Wipes the clear bytes when the call ends.
struct ClearBuffer {
    std::vector<unsigned char> bytes;
    explicit ClearBuffer(size_t size) : bytes(size, 0) {}
    ~ClearBuffer() { OPENSSL_cleanse(bytes.data(), bytes.size()); }
};

}  // namespace

std::optional<std::string> decipherJobKeyForm(const std::string& form, const std::string& spoolTime) {
    using value_buffers::kCipherBlock;
    using value_buffers::kCipherText;
    if (spoolTime.size() < kCipherBlock || !isWholeBase64(form) || form.size() > kCipherText) return std::nullopt;
    std::vector<unsigned char> cipher(static_cast<size_t>(Base64decode_len(form.c_str())), 0);
    const size_t length = static_cast<size_t>(Base64decode(cipher.data(), form.c_str()));
    if (length == 0 || length % kCipherBlock != 0) return std::nullopt;

    ClearBuffer clear(length + 1);
    my_aes_decrypt2(cipher.data(), length, reinterpret_cast<const unsigned char*>(spoolTime.c_str()),
                    clear.bytes.data(), clear.bytes.size());
    const auto end = std::find(clear.bytes.begin(), clear.bytes.end() - 1, 0);
    const bool zeroPadded = std::all_of(end, clear.bytes.end(), [](unsigned char byte) { return byte == 0; });
    const bool printable =
        std::all_of(clear.bytes.begin(), end, [](unsigned char byte) { return byte >= 0x20 && byte != 0x7F; });
    if (end == clear.bytes.begin() || !zeroPadded || !printable) return std::nullopt;
    return std::string(clear.bytes.begin(), end);
}
