#include "tests/support/PrintDialogRunner.h"

ProgramResult runPrintDialog(const std::vector<std::string>& options, const std::string& script,
                             const std::map<std::string, std::string>& environment) {
    std::vector<std::string> argv = {NELVO_BUILD_DIR "/print-dialog"};
    argv.insert(argv.end(), options.begin(), options.end());
    argv.push_back("-");
    std::map<std::string, std::string> variables = {{"LC_ALL", "C"}, {"LANGUAGE", ""}};
    for (const auto& [name, value] : environment)
        variables[name] = value;
    return runProgram(argv, script, variables);
}
