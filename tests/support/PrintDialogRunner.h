// Running the built print-dialog on a script given on its standard input,
// in the plain C locale unless the test says otherwise.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tests/support/RunProgram.h"

ProgramResult runPrintDialog(const std::vector<std::string>& options, const std::string& script,
                             const std::map<std::string, std::string>& environment = {});
