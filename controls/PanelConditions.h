// The choices on the panel that decide which controls apply: read from the
// controls as they stand, so that a handler that has just changed one sees
// the new state.
#pragma once

#include "platform/controls/Buttons.h"
#include "platform/controls/NSObject.h"
#include "settings/SettingsKeys.h"

class NelvoPrintPdeZlm420kJC;

namespace controls {

bool retentionOn(const NelvoPrintPdeZlm420kJC& panel);
// Either folder control on quick file; an absent control chooses nothing.
bool quickFileChosen(const NelvoPrintPdeZlm420kJC& panel);
bool customFolderRowChosen(const NelvoPrintPdeZlm420kJC& panel);
// The pop-up shows a listed folder that the device protects with a pass code.
bool listedFolderNeedsPassCode(const NelvoPrintPdeZlm420kJC& panel);
bool folderPassCodeWanted(const NelvoPrintPdeZlm420kJC& panel);
// Row 0 of the authentication matrix; every other row, or none, is the
// user-number mode.
bool loginNameMode(const NelvoPrintPdeZlm420kJC& panel);

inline bool locked(const Outlet<NSButton>& lockButton) {
    return lockButton->state() == 1;
}

}  // namespace controls
