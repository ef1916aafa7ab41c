// Where the parts of the dialog lie on its 80 by 24 screen.
#pragma once

namespace host {

namespace screen_layout {

inline constexpr int kRows = 24;
inline constexpr int kColumns = 80;

inline constexpr int kTitleRow = 0;
inline constexpr int kTabBarRow = 1;
inline constexpr int kRuleRow = 2;
// The layout's row 0, column 0 of the shown tab.
inline constexpr int kPanelTop = 3;
inline constexpr int kPanelLeft = 1;
// The panel's columns in layout units: boxes reach to its right edge.
inline constexpr int kPanelWidth = 57;
inline constexpr int kPanelBottom = 21;  // the last screen row the panel may use

inline constexpr int kSummaryLeft = 59;
inline constexpr int kSummaryTop = 2;
inline constexpr int kSummaryBottom = 21;

inline constexpr int kStatusRow = 22;
inline constexpr int kKeyBarRow = 23;

}  // namespace screen_layout

}  // namespace host
