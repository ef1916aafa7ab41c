// The queue's remembered defaults: the "Job Control" record of the user's
// defaults domain for the queue.
#include "plugin/NelvoPrintPdeZlm420kJC.h"

void NelvoPrintPdeZlm420kJC::CheckPreference() {}

void NelvoPrintPdeZlm420kJC::GetUserPreference() {}

void NelvoPrintPdeZlm420kJC::GetFolderPreference() {}

bool NelvoPrintPdeZlm420kJC::SaveUserPreference() { return preferenceName.has_value(); }

bool NelvoPrintPdeZlm420kJC::SaveFolderPreference() { return preferenceName.has_value(); }

bool NelvoPrintPdeZlm420kJC::GetHDDPreference() { return true; }

bool NelvoPrintPdeZlm420kJC::SaveHDDPreference() { return true; }
