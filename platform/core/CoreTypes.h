// The small types and helpers that every part of the layer shares: a buffer
// of bytes, an error, an owned file descriptor, and hexadecimal digits.
#pragma once

#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

// A buffer of bytes, as files, request bodies and answers carry them.
using NSData = std::vector<unsigned char>;

// What went wrong in a platform operation: the error's domain, its code in
// that domain and a text for people.
struct NSError {
    std::string domain;
    long code = 0;
    std::string localizedDescription;
};

namespace platform {

// An open file descriptor that is closed when it goes out of scope.
class FileDescriptor {
public:
    // Takes `descriptor` as returned by open(2): negative means none.
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    // The descriptor moves with its ownership: the source is left with none.
    FileDescriptor(FileDescriptor&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            FileDescriptor closing(std::move(*this));
            descriptor_ = std::exchange(other.descriptor_, -1);
        }
        return *this;
    }

    int get() const { return descriptor_; }

private:
    int descriptor_;
};

// Hexadecimal text as the stored forms, the print settings and the defaults
// files write it: upper-case digits, the high nibble first.
constexpr char upperHexDigit(unsigned value) {
    return "0123456789ABCDEF"[value & 0x0F];
}

inline void appendUpperHex(std::string& text, unsigned char byte) {
    text.push_back(upperHexDigit(byte >> 4));
    text.push_back(upperHexDigit(byte));
}

}  // namespace platform
