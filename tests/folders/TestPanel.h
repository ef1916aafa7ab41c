// A panel made by a host without printer or PPD, for the panel's operations
// that need neither.
#pragma once

#include <memory>

#include "plugin/NelvoPrintPdeZlm420kJC.h"

std::shared_ptr<NelvoPrintPdeZlm420kJC> makePanelWithoutPrinter();
