#include "tests/support/PrintDialogRunner.h"

#include <sstream>

std::vector<std::string> commandWords(const std::string& words, const std::string& placeholder,
                                      const std::string& replacement) {
    std::vector<std::string> command;
    std::istringstream stream(words);
    for (std::string word; stream >> word;) {
        if (const size_t at = word.find(placeholder); at != std::string::npos)
            word.replace(at, placeholder.size(), replacement);
        command.push_back(word);
    }
    return command;
}

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
