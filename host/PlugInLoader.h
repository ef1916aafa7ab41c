// Loading a plug-in bundle as the print dialog does: open its executable and
// make its principal class through the one entry point it exports.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/core/Bundle.h"
#include "platform/core/PrintDialogPlugIn.h"

namespace host {

class LoadedPlugIn {
public:
    // Throws UsageError when the bundle, its executable or its entry point is
    // missing, or the principal class refuses the bundle.
    explicit LoadedPlugIn(const std::filesystem::path& bundlePath);
    ~LoadedPlugIn();
    LoadedPlugIn(const LoadedPlugIn&) = delete;
    LoadedPlugIn& operator=(const LoadedPlugIn&) = delete;

    PDEPlugIn& principal() { return *principal_; }

private:
    std::unique_ptr<NSBundle> bundle_;
    void* library_ = nullptr;
    std::unique_ptr<PDEPlugIn> principal_;
};

}  // namespace host
