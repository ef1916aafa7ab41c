// What the fuzz targets share: invariant checks that stop the run with a
// message, a private home for everything they write, and input as text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// Ends the run (a finding for libFuzzer, a failed replay for CTest) when
// an invariant does not hold.
#define FUZZ_EXPECT(condition) ((condition) ? (void)0 : fuzz_support::invariantFailed(#condition, __FILE__, __LINE__))

namespace fuzz_support {

[[noreturn]] void invariantFailed(const char* condition, const char* file, int line);

// Points HOME, XDG_CONFIG_HOME and TMPDIR into a fresh private folder, once
// per process, and gives that folder.
const std::filesystem::path& privateHome();

std::string textOf(const uint8_t* data, size_t size);

bool isValidUtf8(const std::string& text);

// Replaces the file at `path` with `contents`, private to the user (mode
// 0600 whatever the umask: a reader that refuses shared files must not
// refuse the inputs). A plain write: the targets feed inputs, they do not
// test the writer. Answers whether the whole input was written.
bool writeFile(const std::filesystem::path& path, const std::string& contents);

}  // namespace fuzz_support
