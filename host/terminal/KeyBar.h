// The bottom line: the dialog's own actions and their keys.
#pragma once

namespace host {

class Canvas;
struct HostTexts;

void paintKeyBar(Canvas& canvas, const HostTexts& texts);

}  // namespace host
