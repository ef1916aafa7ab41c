// The document's bytes from one descriptor to another through one buffer of
// fixed size, whatever the document's size.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

inline constexpr size_t kStreamBufferBytes = 64 * 1024;

// Reads into `buffer` until it holds at least `wanted` bytes or the input
// ends; answers the bytes read. Throws std::system_error on a read error.
size_t readAtLeast(int input, std::vector<char>& buffer, size_t wanted);

// Writes every byte, through short writes and interruptions. Throws
// std::system_error on a write error.
void writeAll(int output, std::string_view bytes);

// Copies the rest of `input` to `output` through `buffer`; answers the bytes
// copied. Throws std::system_error on an error.
size_t copyRest(int input, int output, std::vector<char>& buffer);
