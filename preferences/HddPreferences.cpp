// The document-filing storage's preferences: this model has none, so
// there is nothing to store or load.
#include "plugin/NelvoPrintPdeZlm420kJC.h"

bool NelvoPrintPdeZlm420kJC::GetHDDPreference() {
    return true;
}

bool NelvoPrintPdeZlm420kJC::SaveHDDPreference() {
    return true;
}
