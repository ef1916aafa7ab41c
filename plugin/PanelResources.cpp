// The bundle resources that the panel loads: its layout and the blank image.
#include "plugin/NelvoPrintPdeZlm420kJC.h"

void NelvoPrintPdeZlm420kJC::loadLayoutNamed(const std::string& /*name*/) {}

void NelvoPrintPdeZlm420kJC::loadSpaceImage() {}
