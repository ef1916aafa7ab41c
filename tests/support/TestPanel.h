// Making the Job Handling panel in a test, with the bundle that the build
// lays out (the test program itself is not inside a bundle).
#pragma once

#include <memory>

#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "tests/support/FakeHost.h"

std::shared_ptr<NelvoPrintPdeZlm420kJC> makePanel(std::shared_ptr<FakeHost> host);
