// The filing menu built from the device's folder list.
#include "plugin/NelvoPrintPdeZlm420kJC.h"

void NelvoPrintPdeZlm420kJC::makeFolderPopup() {}

int64_t NelvoPrintPdeZlm420kJC::SearchSameFolderName(const std::optional<std::string>& /*name*/) { return 1; }
