// An image: a PNG file on disk and the size at which controls show it.
#pragma once

#include <memory>
#include <string>

struct NSSize {
    double width = 0;
    double height = 0;
    friend bool operator==(const NSSize&, const NSSize&) = default;
};

class NSImage {
public:
    // `path` names the PNG file; `size` is the size shown, in points.
    NSImage(std::string path, NSSize size);

    // The image in a PNG file, sized as the file's pixels; none when the
    // file is missing or is not a PNG file.
    static std::shared_ptr<NSImage> imageWithContentsOfFile(const std::string& path);

    const std::string& path() const { return path_; }
    // The file's name without folder and extension ("space").
    std::string name() const;
    NSSize size() const { return size_; }
    void setSize(double width, double height);

private:
    std::string path_;
    NSSize size_;
};
