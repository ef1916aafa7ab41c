// Our MD5 and Base64 encoder against OpenSSL's on the same inputs, so the
// ratio of the two can be read off one run. Sizes from a short pass code to
// well beyond anything the panel encodes, to show the per-byte cost too.

// OpenSSL's one-shot MD5 is deprecated in OpenSSL 3; it is the direct
// counterpart of ours, so it is what we compare against.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/evp.h>
#include <openssl/md5.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "crypto/Base64.h"
#include "crypto/Md5.h"

namespace {

// Text of `length` non-zero bytes, so the zero-terminated interfaces see all of it.
std::string sampleText(size_t length) {
    std::string text(length, '\0');
    for (size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>('!' + (i * 7) % 90);
    return text;
}

void setSizeCounters(benchmark::State& state, size_t length) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * length));
    state.SetLabel(std::to_string(length) + " B");
}

void BM_calcMD5(benchmark::State& state) {
    const std::string text = sampleText(static_cast<size_t>(state.range(0)));
    char hex[33];
    for (auto _ : state) {
        calcMD5(hex, text.c_str());
        benchmark::DoNotOptimize(hex);
    }
    setSizeCounters(state, text.size());
}

void BM_md5Digest(benchmark::State& state) {
    const std::string text = sampleText(static_cast<size_t>(state.range(0)));
    uint8_t digest[16];
    for (auto _ : state) {
        md5Digest(text.data(), text.size(), digest);
        benchmark::DoNotOptimize(digest);
    }
    setSizeCounters(state, text.size());
}

void BM_OpenSSL_MD5(benchmark::State& state) {
    const std::string text = sampleText(static_cast<size_t>(state.range(0)));
    unsigned char digest[MD5_DIGEST_LENGTH];
    for (auto _ : state) {
        MD5(reinterpret_cast<const unsigned char*>(text.data()), text.size(), digest);
        benchmark::DoNotOptimize(digest);
    }
    setSizeCounters(state, text.size());
}

void BM_Base64encode(benchmark::State& state) {
    const std::string text = sampleText(static_cast<size_t>(state.range(0)));
    const int length = static_cast<int>(text.size());
    std::vector<char> encoded(static_cast<size_t>(Base64encode_len(length)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            Base64encode(encoded.data(), reinterpret_cast<const unsigned char*>(text.data()), length));
        benchmark::ClobberMemory();
    }
    setSizeCounters(state, text.size());
}

void BM_OpenSSL_EVP_EncodeBlock(benchmark::State& state) {
    const std::string text = sampleText(static_cast<size_t>(state.range(0)));
    const int length = static_cast<int>(text.size());
    std::vector<unsigned char> encoded(static_cast<size_t>(Base64encode_len(length)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            EVP_EncodeBlock(encoded.data(), reinterpret_cast<const unsigned char*>(text.data()), length));
        benchmark::ClobberMemory();
    }
    setSizeCounters(state, text.size());
}

void inputSizes(benchmark::internal::Benchmark* benchmark) {
    for (int64_t size : {16, 256, 4 << 10, 64 << 10})
        benchmark->Arg(size);
}

}  // namespace

BENCHMARK(BM_calcMD5)->Apply(inputSizes);
BENCHMARK(BM_md5Digest)->Apply(inputSizes);
BENCHMARK(BM_OpenSSL_MD5)->Apply(inputSizes);
BENCHMARK(BM_Base64encode)->Apply(inputSizes);
BENCHMARK(BM_OpenSSL_EVP_EncodeBlock)->Apply(inputSizes);
