#include "host/PlugInLoader.h"

#include <dlfcn.h>

#include "host/InputText.h"

namespace host {

LoadedPlugIn::LoadedPlugIn(const std::filesystem::path& bundlePath) {
    bundle_ = NSBundle::bundleWithPath(bundlePath);
    if (!bundle_) throw UsageError("cannot read the bundle " + bundlePath.string() + " (no Contents/Info.json)");
    library_ = dlopen(bundle_->executablePath().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library_) throw UsageError("cannot load the bundle's executable: " + std::string(dlerror()));
    const std::string entry = bundle_->principalClassName() + kPDEPlugInFactorySuffix;
    const auto create = reinterpret_cast<PDEPlugInFactory>(dlsym(library_, entry.c_str()));
    if (!create) {
        dlclose(library_);
        throw UsageError("the bundle's executable has no entry point " + entry);
    }
    principal_.reset(create());
    if (!principal_ || !principal_->initWithBundle(bundle_.get())) {
        principal_.reset();
        dlclose(library_);
        throw UsageError("the bundle's principal class could not be made");
    }
}

LoadedPlugIn::~LoadedPlugIn() {
    principal_.reset();
    // The plug-in stays mapped: objects it made (panels, views) may be
    // released after this, and their code must still be there.
}

}  // namespace host
