// A directory made fresh for a test and removed with everything in it.
#pragma once

#include <filesystem>
#include <string>

class TempDir {
public:
    explicit TempDir(const std::string& prefix = "nelvo-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `contents` to `name` inside the directory and gives its path.
    std::filesystem::path write(const std::string& name, const std::string& contents) const;

private:
    std::filesystem::path path_;
};

// Reads a whole file; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);
