// What a folder name may hold to be shown as a menu item's title.
#pragma once

#include <string>

// Whether the UTF-8 `name` holds a C0 or C1 control character or DEL
// (U+0000-U+001F, U+007F-U+009F), tab and line breaks included.
bool hasControlCharacter(const std::string& name);
