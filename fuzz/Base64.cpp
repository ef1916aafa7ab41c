// Base64 of the login name: decoding stays within Base64decode_len, and
// encoding then decoding gives the bytes back.
#include <cstring>
#include <vector>

#include "crypto/Base64.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz_support::textOf(data, size);
    std::vector<unsigned char> plain(static_cast<size_t>(Base64decode_len(text.c_str())));
    const int decoded = Base64decode(plain.data(), text.c_str());
    FUZZ_EXPECT(decoded >= 0 && static_cast<size_t>(decoded) < plain.size());

    const int length = static_cast<int>(size);
    std::vector<char> encoded(static_cast<size_t>(Base64encode_len(length)));
    const int written = Base64encode(encoded.data(), data, length);
    FUZZ_EXPECT(static_cast<size_t>(written) == encoded.size());
    FUZZ_EXPECT(std::strlen(encoded.data()) + 1 == encoded.size());
    std::vector<unsigned char> back(static_cast<size_t>(Base64decode_len(encoded.data())));
    FUZZ_EXPECT(Base64decode(back.data(), encoded.data()) == length);
    FUZZ_EXPECT(std::memcmp(back.data(), data, size) == 0);
    return 0;
}
