#include "host/Options.h"

#include "host/UsageError.h"
#include "host/WholeNumber.h"

namespace {

// The value that follows option `name`, taken from `arguments` at `index`.
std::string valueOf(const std::vector<std::string>& arguments, size_t& index, const std::string& name) {
    if (index + 1 >= arguments.size()) throw UsageError("option " + name + " needs a value");
    return arguments[++index];
}

int descriptorOf(const std::string& text) {
    const std::optional<int> descriptor = wholeNumber(text);
    if (!descriptor || *descriptor < 0) throw UsageError("--screen-dump needs a file descriptor number");
    return *descriptor;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& arguments, const std::filesystem::path& programDirectory) {
    Options options;
    options.bundle = programDirectory / "NelvoPrintPdeZlm420kJC.plugin";
    options.ppd = programDirectory / "examples" / "NelvoZlm420k.ppd";
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--bundle")
            options.bundle = valueOf(arguments, i, argument);
        else if (argument == "--ppd")
            options.ppd = valueOf(arguments, i, argument);
        else if (argument == "--printer")
            options.printer = valueOf(arguments, i, argument);
        else if (argument == "--device-uri")
            options.deviceURI = valueOf(arguments, i, argument);
        else if (argument == "--job-name")
            options.jobName = valueOf(arguments, i, argument);
        else if (argument == "--settings")
            options.settingsFile = valueOf(arguments, i, argument);
        else if (argument == "--no-constraint-handling")
            options.constraintHandling = false;
        else if (argument == "--interactive")
            options.interactive = true;
        else if (argument == "--ascii")
            options.ascii = true;
        else if (argument == "--gui")
            options.gui = true;
        else if (argument == "--print")
            options.documents.emplace_back(valueOf(arguments, i, argument));
        else if (argument == "--lp-options")
            options.lpOptions = true;
        else if (argument == "--screen-dump")
            options.screenDumpDescriptor = descriptorOf(valueOf(arguments, i, argument));
        else if (argument == "-" || argument.rfind("-", 0) != 0) {
            if (options.script) throw UsageError("more than one script given");
            options.script = argument;
        } else
            throw UsageError("unknown option " + argument);
    }
    if (options.printer.empty()) throw UsageError("--printer needs a non-empty identifier");
    if (options.interactive && options.script) throw UsageError("--interactive takes no script");
    return options;
}

std::string usageText() {
    return "usage: print-dialog [--bundle DIR] [--ppd FILE] [--printer ID] [--device-uri URI]\n"
           "                    [--job-name NAME] [--settings FILE] [--no-constraint-handling]\n"
           "                    [--lp-options] [--interactive] [--ascii] [--gui [--print FILE ...]] [SCRIPT | -]\n"
           "Without a script on a terminal, or with --interactive, the dialog runs in the terminal.\n";
}
