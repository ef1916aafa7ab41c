// Running the built print-dialog on a script given on its standard input,
// in the plain C locale unless the test says otherwise.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tests/support/RunProgram.h"

// A command line written as words separated by spaces, `placeholder`
// replaced by `replacement` wherever a word holds it: a test table's rows stay
// on a line or two.
std::vector<std::string> commandWords(const std::string& words, const std::string& placeholder,
                                      const std::string& replacement);

ProgramResult runPrintDialog(const std::vector<std::string>& options, const std::string& script,
                             const std::map<std::string, std::string>& environment = {});
