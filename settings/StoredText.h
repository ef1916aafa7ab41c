// A value read from the print settings or the remembered defaults, copied as
// ASCII text into a cleared buffer of fixed size before it is decoded. Text
// that does not fit is cut at the buffer's size, so no stored value, however
// long or strange, can reach past the buffers of the decoders.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class StoredText {
public:
    // Copies the ASCII characters of `value` up to the first character that
    // is not ASCII, at most bufferSize - 1 of them.
    StoredText(const std::string& value, size_t bufferSize);
    // An empty text in a cleared buffer.
    explicit StoredText(size_t bufferSize) : buffer_(bufferSize, '\0') {}

    bool empty() const { return length_ == 0; }
    size_t length() const { return length_; }
    size_t capacity() const { return buffer_.size(); }
    // Zero-terminated, and zero up to the end of the buffer.
    const char* c_str() const { return buffer_.data(); }

    // Appends `other`, cut where the buffer ends.
    void append(const StoredText& other);

private:
    std::vector<char> buffer_;
    size_t length_ = 0;
};
