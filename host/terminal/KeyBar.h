// The bottom line: the dialog's own actions and their keys.
#pragma once

class Canvas;
struct HostTexts;

void paintKeyBar(Canvas& canvas, const HostTexts& texts);
