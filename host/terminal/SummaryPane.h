// The panel's summary (summaryInfo) in a framed pane at the right of the
// panel: each entry's title, and its value indented below, wrapped to the
// pane's width.
#pragma once

#include <map>
#include <string>

namespace host {

class Canvas;
struct HostTexts;

void paintSummaryPane(Canvas& canvas, const std::map<std::string, std::string>& summary, const HostTexts& texts);

}  // namespace host
