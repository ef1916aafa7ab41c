// Hex text of the print settings and the defaults: myatoi decodes any text
// within its output buffer, and myitoa's text decodes to the same bytes.
#include <cstring>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "settings/ValueHelpers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz_support::textOf(data, size);
    // Exactly the bytes myatoi promises, so any write past them is caught.
    std::vector<unsigned char> decoded((size + 1) / 2 + 1);
    myatoi(text.c_str(), decoded.data(), static_cast<uint32_t>(size));
    FUZZ_EXPECT(decoded.back() == 0);

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
