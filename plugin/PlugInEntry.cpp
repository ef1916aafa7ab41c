// The one symbol that the plug-in's executable exports: the maker of its
// principal class, named after it.
#include "plugin/NelvoPrintPdeZlm420kJCPDEPlugIn.h"

extern "C" __attribute__((visibility("default"))) PDEPlugIn* NelvoPrintPdeZlm420kJCPDEPlugInCreate() {
    return new NelvoPrintPdeZlm420kJCPDEPlugIn();
}
