// The text colours a field can show.
#pragma once

enum class NSColor { blackColor, grayColor };
