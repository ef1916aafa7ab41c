#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/controls/NSImage.h"
#include "tests/support/TempDir.h"

namespace {

// The opening of a PNG file: signature and IHDR chunk up to the height.
std::string pngHeader(std::uint32_t width, std::uint32_t height) {
    const auto be32 = [](std::uint32_t v) { return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)}; };
    return std::string("\x89PNG\r\n\x1A\n", 8) + be32(13) + "IHDR" + be32(width) + be32(height) +
           std::string("\x08\x06\x00\x00\x00", 5);
}

}  // namespace

TEST(Image, ReadsItsSizeFromThePngHeaderOnly) {
    TempDir dir;
    const auto image = NSImage::imageWithContentsOfFile(dir.write("space.png", pngHeader(300, 70000)).string());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), (NSSize{300, 70000}));
}

TEST(Image, MissingShortOrForeignFilesGiveNoImage) {
    TempDir dir;
    EXPECT_EQ(NSImage::imageWithContentsOfFile((dir.path() / "absent.png").string()), nullptr);
    EXPECT_EQ(NSImage::imageWithContentsOfFile(dir.write("short.png", pngHeader(4, 4).substr(0, 20)).string()),
              nullptr);
    std::string wrongChunk = pngHeader(4, 4);
    wrongChunk.replace(12, 4, "IDAT");
    EXPECT_EQ(NSImage::imageWithContentsOfFile(dir.write("chunk.png", wrongChunk).string()), nullptr);
    EXPECT_EQ(NSImage::imageWithContentsOfFile(dir.write("empty.png", pngHeader(0, 4)).string()), nullptr);
}
