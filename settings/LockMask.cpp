#include "settings/LockMask.h"

#include <utility>

#include "platform/controls/NSButton.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "settings/SettingsKeys.h"

uint32_t lockMaskOf(const NelvoPrintPdeZlm420kJC& panel) {
    const std::pair<const Outlet<NSButton>&, uint32_t> locks[] = {
        {panel.suspendKeyButton, lock_bits::kPassCode},
        {panel.loginNameButton, lock_bits::kLoginName},
        {panel.passwordButton, lock_bits::kPassword},
        {panel.userNumberButton, lock_bits::kUserNumber},
        {panel.accountNumberButton, lock_bits::kAccountNumber},
        {panel.userNameButton, lock_bits::kUserName},
        {panel.jobNameButton, lock_bits::kJobName},
        {panel.folderPasswordButton, lock_bits::kFolderPassCode},
        {panel.folderNameButton, lock_bits::kFolderName},
    };
    uint32_t mask = 0;
    for (const auto& [button, bit] : locks)
        if (button->state() != 0) mask |= bit;
    return mask;
}
