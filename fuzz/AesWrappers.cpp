// The AES wrappers over the panel's fixed-size buffers: nothing is written
// past an output area, and a text of up to 255 bytes comes back whole.
#include <cstring>
#include <vector>

#include "crypto/Aes.h"
#include "fuzz/FuzzSupport.h"

namespace {

constexpr size_t kClearTextBytes = 256;
constexpr size_t kCipherBytes = 511;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte sizes the output area; the rest is the text.
    const size_t outputSize = 1 + data[0] % kCipherBytes;
    std::vector<unsigned char> text(kClearTextBytes, 0);
    std::memcpy(text.data(), data + 1, std::min(size - 1, kClearTextBytes - 1));
    const size_t textLength = std::strlen(reinterpret_cast<const char*>(text.data()));

    std::vector<unsigned char> cipher(kCipherBytes);
    my_aes_encrypt(text.data(), cipher.data(), cipher.size());
    std::vector<unsigned char> clear(kClearTextBytes, 0);
    my_aes_decrypt(cipher.data(), (textLength + 15) / 16 * 16, clear.data(), clear.size());
    FUZZ_EXPECT(std::memcmp(clear.data(), text.data(), textLength) == 0);

    // Any bytes as cipher, keys of any length, outputs of any size.
    std::vector<unsigned char> small(outputSize);
    my_aes_encrypt(text.data(), small.data(), small.size());
    my_aes_encrypt2(text.data(), text.data(), small.data(), small.size());
    my_aes_decrypt(data, size, small.data(), small.size());
    return 0;
}
