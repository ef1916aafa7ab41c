#include "settings/StoredText.h"

#include <algorithm>
#include <cstring>

#include "platform/core/TextConversion.h"

StoredText::StoredText(const std::string& value, size_t bufferSize) : buffer_(bufferSize, '\0') {
    if (bufferSize == 0) return;
    platform::ByteConversion limits;
    limits.maxBytes = bufferSize - 1;
    length_ = platform::getBytes(value, NSASCIIStringEncoding, buffer_.data(), limits);
    // A zero byte inside the value ends the text, as it ends a C string.
    length_ = strnlen(buffer_.data(), length_);
}

void StoredText::append(const StoredText& other) {
    if (buffer_.empty()) return;
    const size_t room = buffer_.size() - 1 - length_;
    const size_t taken = std::min(room, other.length());
    std::memcpy(buffer_.data() + length_, other.c_str(), taken);
    length_ += taken;
}
