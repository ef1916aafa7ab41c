// The PPD files that the wrapper's tests read, and a PPD opened by the test
// itself, with no choice marked yet.
#pragma once

#include <cups/ppd.h>

#include <filesystem>
#include <memory>
#include <string>

inline std::filesystem::path fixturePPD(const std::string& name) {
    return std::filesystem::path(NELVO_SOURCE_DIR) / "tests" / "fixtures" / "ppd" / name;
}

struct ClosePPD {
    void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
using OpenedPPD = std::unique_ptr<ppd_file_t, ClosePPD>;

inline OpenedPPD openUnmarked(const std::filesystem::path& path) {
    return OpenedPPD(ppdOpenFile(path.c_str()));
}
