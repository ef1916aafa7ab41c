#include "platform/controls/NSImage.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>

#include "platform/core/RegularFile.h"

namespace {

// A PNG file opens with its 8-byte signature and then the IHDR chunk:
// length (4), type "IHDR" (4), width (4), height (4), big-endian.
constexpr std::array<unsigned char, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kHeaderBytes = 24;

std::uint32_t readBigEndian32(const unsigned char* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
           std::uint32_t{bytes[3]};
}

std::optional<NSSize> readPngSize(const std::string& path) {
    const std::optional<std::string> contents = platform::readRegularFile(path);
    if (!contents || contents->size() < kHeaderBytes) return std::nullopt;
    std::array<unsigned char, kHeaderBytes> header{};
    std::memcpy(header.data(), contents->data(), header.size());
    if (std::memcmp(header.data(), kPngSignature.data(), kPngSignature.size()) != 0) return std::nullopt;
    if (std::memcmp(header.data() + 12, "IHDR", 4) != 0) return std::nullopt;
    const std::uint32_t width = readBigEndian32(header.data() + 16);
    const std::uint32_t height = readBigEndian32(header.data() + 20);
    if (width == 0 || height == 0) return std::nullopt;
    return NSSize{static_cast<double>(width), static_cast<double>(height)};
}

}  // namespace

NSImage::NSImage(std::string path, NSSize size) : path_(std::move(path)), size_(size) {}

std::shared_ptr<NSImage> NSImage::imageWithContentsOfFile(const std::string& path) {
    const std::optional<NSSize> size = readPngSize(path);
    if (!size) return nullptr;
    return std::make_shared<NSImage>(path, *size);
}

std::string NSImage::name() const {
    return std::filesystem::path(path_).stem().string();
}

void NSImage::setSize(double width, double height) {
    size_ = NSSize{width, height};
}
