#include "host/FrontEndChoice.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace host {

namespace {

bool named(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// A launcher gives /dev/null or nothing at all; `print-dialog < script`
// and a pipeline give a file or a pipe.
bool inputCarriesScript() {
    struct stat input {};
    if (fstat(STDIN_FILENO, &input) != 0) return false;
    return S_ISFIFO(input.st_mode) || S_ISREG(input.st_mode);
}

}  // namespace

Surroundings currentSurroundings() {
    return Surroundings{isatty(STDIN_FILENO) == 1, inputCarriesScript(), named("DISPLAY") || named("WAYLAND_DISPLAY")};
}

FrontEnd chooseFrontEnd(const Options& options, const Surroundings& surroundings) {
    if (options.gui) return FrontEnd::graphical;
    if (options.interactive) return FrontEnd::terminal;
    if (options.script) return FrontEnd::script;
    if (surroundings.inputIsTerminal) return FrontEnd::terminal;
    if (surroundings.hasDisplay && !surroundings.inputCarriesScript) return FrontEnd::graphical;
    return FrontEnd::script;
}

}  // namespace host
