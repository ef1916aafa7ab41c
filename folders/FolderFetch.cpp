// Fetching the device's folder list.
#include "plugin/NelvoPrintPdeZlm420kJC.h"

void NelvoPrintPdeZlm420kJC::getFolderNameButtonProc(NSControl* /*sender*/) {}
