// MD5 (RFC 1321). Whole 64-byte blocks are compressed straight from the
// caller's bytes; only the padded tail goes through a local buffer. The 64
// steps are one loop over constant tables that the compiler unrolls, so every
// word index, constant and shift becomes an immediate.
#include "crypto/Md5.h"

#include <array>
#include <bit>
#include <cstring>

namespace {

constexpr size_t kBlockBytes = 64;
constexpr size_t kLengthBytes = 8;

// The sines-derived additive constants, one per step.
constexpr std::array<uint32_t, 64> kStepConstants = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

// Left rotations: four per round, repeating within the round.
constexpr std::array<int, 16> kShifts = {7, 12, 17, 22, 5, 9, 14, 20, 4, 11, 16, 23, 6, 10, 15, 21};

// Which message word step i reads: round r starts at word (0, 1, 5, 0) and
// advances by (1, 5, 3, 7).
constexpr size_t wordIndex(size_t step) {
    constexpr size_t kFirst[4] = {0, 1, 5, 0};
    constexpr size_t kStride[4] = {1, 5, 3, 7};
    const size_t round = step / 16;
    return (kFirst[round] + kStride[round] * (step % 16)) % 16;
}

uint32_t loadLittleEndian32(const unsigned char* bytes) {
    uint32_t word;
    std::memcpy(&word, bytes, sizeof word);
    if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap32(word);
    return word;
}

void storeLittleEndian(unsigned char* bytes, uint64_t value, size_t count) {
    for (size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

// The four boolean mixes, rewritten (same truth tables) so that as little as
// possible waits for b, the result of the step before: the second one adds
// its two halves, which never share a set bit, instead of or-ing them.
constexpr uint32_t mix(size_t round, uint32_t b, uint32_t c, uint32_t d) {
    switch (round) {
        case 0: return d ^ (b & (c ^ d));
        case 1: return (c & ~d) + (b & d);
        case 2: return b ^ c ^ d;
        default: return c ^ (b | ~d);
    }
}

struct State {
    uint32_t words[4] = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
};

void compressBlock(State& state, const unsigned char* block) {
    uint32_t message[16];
    for (size_t i = 0; i < 16; ++i)
        message[i] = loadLittleEndian32(block + 4 * i);

    uint32_t a = state.words[0], b = state.words[1], c = state.words[2], d = state.words[3];
#pragma GCC unroll 64
    for (size_t step = 0; step < 64; ++step) {
        const size_t round = step / 16;
        const uint32_t sum = a + mix(round, b, c, d) + message[wordIndex(step)] + kStepConstants[step];
        a = d;
        d = c;
        c = b;
        b += std::rotl(sum, kShifts[round * 4 + step % 4]);
    }
    state.words[0] += a;
    state.words[1] += b;
    state.words[2] += c;
    state.words[3] += d;
}

}  // namespace

void md5Digest(const void* data, size_t length, uint8_t digest[16]) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    State state;
    const size_t wholeBytes = length - length % kBlockBytes;
    for (size_t offset = 0; offset < wholeBytes; offset += kBlockBytes)
        compressBlock(state, bytes + offset);

    // The tail, the 0x80 marker, zero bytes and the bit length fill one or
    // two more blocks.
    unsigned char tail[2 * kBlockBytes] = {};
    const size_t rest = length - wholeBytes;
    if (rest > 0) std::memcpy(tail, bytes + wholeBytes, rest);
    tail[rest] = 0x80;
    const size_t tailBytes = rest + 1 + kLengthBytes <= kBlockBytes ? kBlockBytes : 2 * kBlockBytes;
    storeLittleEndian(tail + tailBytes - kLengthBytes, uint64_t{length} * 8, kLengthBytes);
    for (size_t offset = 0; offset < tailBytes; offset += kBlockBytes)
        compressBlock(state, tail + offset);

    for (size_t i = 0; i < 4; ++i)
        storeLittleEndian(digest + 4 * i, state.words[i], 4);
}

void calcMD5(char* output, const char* text) {
    uint8_t digest[16];
    md5Digest(text, std::strlen(text), digest);
    if (!output) return;
    constexpr char kDigits[] = "0123456789abcdef";
    for (size_t i = 0; i < sizeof digest; ++i) {
        output[2 * i] = kDigits[digest[i] >> 4];
        output[2 * i + 1] = kDigits[digest[i] & 0x0f];
    }
    output[2 * sizeof digest] = '\0';
}
