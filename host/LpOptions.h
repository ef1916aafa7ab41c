// The job's print settings as arguments of CUPS's lp: "-o key=value" for
// each setting, so that the job can be sent to a queue as it is
// (lp -d QUEUE $(print-dialog --lp-options ...) FILE).
#pragma once

#include <string>

#include "host/cups/JobOptionList.h"
#include "platform/core/PrintingFramework.h"

namespace host {

// One line of arguments separated by spaces. lp parses each -o value as a
// list of options, so blanks, quotes and backslashes in a value are escaped
// with a backslash; an argument that the shell would then take apart is
// quoted in single quotes (to be read back with eval). The front end's own
// choices (GTK's copies, two-sided...) come first, the panel's keys after.
std::string lpArguments(const OptionPairs& frontEndOptions, const platform::PrintSettings& settings);

}  // namespace host
