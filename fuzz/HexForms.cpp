// Hex text of the print settings and the defaults: myatoi gives, for any
// text, exactly the bytes of its rule (a digit below ':' is worth its code
// less 48, any other character its code less 55; each byte is 16 times the
// first of a pair plus the second, modulo 256), and myitoa's text decodes
// to the same bytes.
#include <cstring>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "settings/ValueHelpers.h"

namespace {

// The rule read again, apart from the code under test.
std::vector<unsigned char> decodedByTheRule(const std::string& text) {
    const auto worth = [](unsigned char c) { return c < ':' ? int(c) - '0' : int(c) - 'A' + 10; };
    std::vector<unsigned char> bytes;
    // An odd count pairs the last character with the terminator.
    for (size_t i = 0; i < text.size(); i += 2) {
        const unsigned char high = static_cast<unsigned char>(text[i]);
        const unsigned char low = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        const int value = (worth(high) * 16 + worth(low)) % 256;
        bytes.push_back(static_cast<unsigned char>(value < 0 ? value + 256 : value));
    }
    bytes.push_back(0);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz_support::textOf(data, size);
    // Exactly the bytes myatoi promises, so any write past them is caught.
    std::vector<unsigned char> decoded((size + 1) / 2 + 1);
    myatoi(text.c_str(), decoded.data(), static_cast<uint32_t>(size));
    FUZZ_EXPECT(decoded == decodedByTheRule(text));

    std::vector<char> hex(2 * size + 1);
    myitoa(data, hex.data(), static_cast<uint32_t>(size));
    FUZZ_EXPECT(std::strlen(hex.data()) == 2 * size);
    for (size_t i = 0; i < 2 * size; ++i)
        FUZZ_EXPECT(std::strchr("0123456789ABCDEF", hex[i]) != nullptr);
    std::vector<unsigned char> again(size + 1);
    myatoi(hex.data(), again.data(), static_cast<uint32_t>(2 * size));
    FUZZ_EXPECT(std::memcmp(again.data(), data, size) == 0);
    return 0;
}
