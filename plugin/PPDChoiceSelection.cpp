// The panel's operations for controls bound to PPD options. The PPD calls of
// CUPS are deprecated in favour of IPP Everywhere, but they are how a print
// dialog's panel reads its printer's options.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "plugin/NelvoPrintPdeZlm420kJCPDEChoice.h"

namespace {

// The position of `choice` in the option's own array of choices, or -1 when
// it is not one of them.
int64_t positionInOption(const ppd_option_t* option, const ppd_choice_t* choice) {
    if (!option || !choice || choice < option->choices || choice >= option->choices + option->num_choices) return -1;
    return choice - option->choices;
}

}  // namespace

int64_t NelvoPrintPdeZlm420kJC::indexOfMarkedOption(ppd_option_t* option, const char* key) {
    if (ppd && key) {
        if (const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, key)) {
            const int64_t position = positionInOption(option, marked);
            if (position >= 0) return position;
        }
    }
    if (option) {
        if (const ppd_choice_t* fallback = ppdFindChoice(option, option->defchoice)) {
            const int64_t position = positionInOption(option, fallback);
            if (position >= 0) return position;
        }
    }
    PDELog(this, "returning a -1 index means there was no default choice");
    return -1;
}
