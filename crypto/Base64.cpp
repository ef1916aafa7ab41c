// Base64 with the RFC 4648 alphabet. The encoder looks up two characters at a
// time (12 bits) so a group of three bytes costs two table reads; the decoder
// treats every byte outside the alphabet, "=" included, as the end of the text.
#include "crypto/Base64.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kPadding = '=';
constexpr int8_t kNotInAlphabet = -1;

struct CharPairTable {
    char pairs[4096][2];
};

constexpr CharPairTable makeCharPairTable() {
    CharPairTable table{};
    for (int bits = 0; bits < 4096; ++bits) {
        table.pairs[bits][0] = kAlphabet[bits >> 6];
        table.pairs[bits][1] = kAlphabet[bits & 0x3f];
    }
    return table;
}

struct SextetTable {
    int8_t values[256];
};

constexpr SextetTable makeSextetTable() {
    SextetTable table{};
    for (int8_t& value : table.values)
        value = kNotInAlphabet;
    for (int8_t index = 0; index < 64; ++index)
        table.values[static_cast<unsigned char>(kAlphabet[index])] = index;
    return table;
}

constexpr CharPairTable kCharPairs = makeCharPairTable();
constexpr SextetTable kSextets = makeSextetTable();

uint32_t sextet(const unsigned char* text, size_t index) {
    return static_cast<uint32_t>(kSextets.values[text[index]]);
}

size_t alphabetRunLength(const unsigned char* text) {
    size_t count = 0;
    while (kSextets.values[text[count]] != kNotInAlphabet)
        ++count;
    return count;
}

}  // namespace

int Base64encode_len(int length) {
    if (length < 0) length = 0;
    return 4 * (length / 3 + (length % 3 != 0)) + 1;
}

int Base64encode(char* encoded, const unsigned char* bytes, int length) {
    const size_t total = length > 0 ? static_cast<size_t>(length) : 0;
    char* out = encoded;
    size_t index = 0;
    for (; index + 3 <= total; index += 3) {
        const uint32_t group = uint32_t{bytes[index]} << 16 | uint32_t{bytes[index + 1]} << 8 | bytes[index + 2];
        std::memcpy(out, kCharPairs.pairs[group >> 12], 2);
        std::memcpy(out + 2, kCharPairs.pairs[group & 0xfff], 2);
        out += 4;
    }
    const size_t left = total - index;
    if (left > 0) {
        const uint32_t first = bytes[index];
        const uint32_t second = left == 2 ? bytes[index + 1] : 0;
        out[0] = kAlphabet[first >> 2];
        out[1] = kAlphabet[(first & 0x03) << 4 | second >> 4];
        out[2] = left == 2 ? kAlphabet[(second & 0x0f) << 2] : kPadding;
        out[3] = kPadding;
        out += 4;
    }
    *out++ = '\0';
    return static_cast<int>(out - encoded);
}

int Base64decode_len(const char* encoded) {
    const size_t count = alphabetRunLength(reinterpret_cast<const unsigned char*>(encoded));
    return static_cast<int>(3 * ((count + 3) / 4) + 1);
}

int Base64decode(unsigned char* plain, const char* encoded) {
    const auto* in = reinterpret_cast<const unsigned char*>(encoded);
    size_t remaining = alphabetRunLength(in);
    unsigned char* out = plain;
    for (; remaining > 4; remaining -= 4, in += 4) {
        const uint32_t group = sextet(in, 0) << 18 | sextet(in, 1) << 12 | sextet(in, 2) << 6 | sextet(in, 3);
        out[0] = static_cast<unsigned char>(group >> 16);
        out[1] = static_cast<unsigned char>(group >> 8);
        out[2] = static_cast<unsigned char>(group);
        out += 3;
    }
    // The last one to four characters: a lone character carries too few bits
    // for a byte and gives none.
    if (remaining >= 2) *out++ = static_cast<unsigned char>(sextet(in, 0) << 2 | sextet(in, 1) >> 4);
    if (remaining >= 3) *out++ = static_cast<unsigned char>(sextet(in, 1) << 4 | sextet(in, 2) >> 2);
    if (remaining == 4) *out++ = static_cast<unsigned char>(sextet(in, 2) << 6 | sextet(in, 3));
    *out = 0;
    return static_cast<int>(out - plain);
}
