// GTK's settings of a job (its General, Page Setup and printer-option
// tabs) as the job options that GTK's own CUPS printing sends: copies,
// collate, reverse order, page ranges (GTK counts pages from 0, CUPS from
// 1), even or odd pages, two-sided, pages per sheet, scale, and every
// "cups-" option of the queue (the PPD's choices, priority, print-at time,
// billing, paper and orientation) under its CUPS name. An option that the
// panel claims (its PPD keys) is left out: the panel's choice stands.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/cups/JobOptionList.h"

namespace host {

OptionPairs jobOptionsFromGtk(const std::map<std::string, std::string>& gtkSettings,
                              const std::vector<std::string>& panelKeys);

// "0-1,3" as GTK keeps page ranges, "1-2,4" as CUPS takes them; empty
// when the text is not a list of ranges.
std::string pageRangesFromGtk(const std::string& ranges);

}  // namespace host
