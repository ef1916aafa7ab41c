#include "host/ProgramFiles.h"

namespace host {

namespace {

constexpr const char* kBundleName = "NelvoPrintPdeZlm420kJC.plugin";
constexpr const char* kSamplePpdName = "NelvoZlm420k.ppd";

}  // namespace

ProgramFiles programFiles(const std::filesystem::path& programDirectory) {
    // The relative paths come from the install layout (cmake/InstallLayout.cmake).
    const std::filesystem::path installedBundle = programDirectory / NELVO_PRIVATE_FROM_BINDIR / kBundleName;
    if (std::error_code error; std::filesystem::is_directory(installedBundle, error))
        return {installedBundle.lexically_normal(),
                (programDirectory / NELVO_PPD_FROM_BINDIR / kSamplePpdName).lexically_normal(),
                (programDirectory / NELVO_LOCALE_FROM_BINDIR).lexically_normal()};
    return {programDirectory / kBundleName, programDirectory / "examples" / kSamplePpdName,
            programDirectory / "locale"};
}

}  // namespace host
