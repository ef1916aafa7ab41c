// The HTTP response header lines that libcurl hands over, one by one: no
// name holding its colon, and no name or value with a line end left in it.
#include "fuzz/FuzzSupport.h"
#include "platform/http/ResponseHeaderParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz_support::textOf(data, size);
    platform::ResponseHeaderParser parser;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        const bool complete = parser.addLine(std::string_view(text).substr(start, next - start));
        FUZZ_EXPECT(!complete || parser.statusCode() >= 200);
        start = next;
    }
    for (const auto& [name, value] : parser.headers()) {
        FUZZ_EXPECT(name.find_first_of(":\n") == std::string::npos);
        FUZZ_EXPECT(value.find('\n') == std::string::npos);
    }
    return 0;
}
