#include "host/ProgramFiles.h"

namespace host {

namespace {

constexpr const char* kBundleName = "NelvoPrintPdeZlm420kJC.plugin";
constexpr const char* kSamplePpdName = "NelvoZlm420k.ppd";
constexpr const char* kGraphicalFrontEndName = "nelvo-gtk-front-end.so";

}  // namespace

ProgramFiles programFiles(const std::filesystem::path& programDirectory) {
    // The relative paths come from the install layout (cmake/InstallLayout.cmake).
    const std::filesystem::path privateDirectory = programDirectory / NELVO_PRIVATE_FROM_BINDIR;
    if (std::error_code error; std::filesystem::is_directory(privateDirectory / kBundleName, error))
        return {(privateDirectory / kBundleName).lexically_normal(),
                (programDirectory / NELVO_PPD_FROM_BINDIR / kSamplePpdName).lexically_normal(),
                (programDirectory / NELVO_LOCALE_FROM_BINDIR).lexically_normal(),
                (privateDirectory / kGraphicalFrontEndName).lexically_normal()};
    return {programDirectory / kBundleName, programDirectory / "examples" / kSamplePpdName, programDirectory / "locale",
            programDirectory / kGraphicalFrontEndName};
}

}  // namespace host
