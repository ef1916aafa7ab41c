#include "host/GraphicalFrontEndLoader.h"

#include <dlfcn.h>

#include "host/InputText.h"

namespace host {

const GraphicalFrontEnd& loadGraphicalFrontEnd(const std::filesystem::path& module) {
    if (std::error_code error; !std::filesystem::is_regular_file(module, error))
        throw UsageError("GTK's print dialog is not installed (no " + module.string() +
                         "): use the terminal dialog or a script");
    void* library = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) throw UsageError("GTK's print dialog cannot be loaded: " + std::string(dlerror()));
    const auto entry = reinterpret_cast<GraphicalFrontEndEntry>(dlsym(library, kGraphicalFrontEndEntry));
    if (!entry) {
        dlclose(library);
        throw UsageError("the GTK front end " + module.string() + " has no entry point " + kGraphicalFrontEndEntry);
    }
    return entry();
}

}  // namespace host
