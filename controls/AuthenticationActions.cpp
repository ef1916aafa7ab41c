// Switching the authentication mode: the other mode's unlocked fields are
// cleared and the keyboard focus goes to the first usable field of the mode.
#include "controls/FieldClearing.h"
#include "controls/PanelConditions.h"
#include "platform/controls/Buttons.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

using namespace controls;

namespace {

void focus(const Outlet<NSTextField>& field) {
    field->window().makeFirstResponder(field.get());
}

}  // namespace

void NelvoPrintPdeZlm420kJC::authenticationMatrixProc(NSControl* /*sender*/) {
    if (!authenticationMatrix) return;
    loginNameStaticTextEnabled();
    loginNameEditTextEnabled();
    loginNameButtonEnabled();
    passwordStaticTextEnabled();
    passwordEditTextEnabled();
    passwordButtonEnabled();
    userNumberEditTextEnabled();
    userNumberButtonEnabled();

    if (!loginNameMode(*this)) {
        clearUnlessLocked(loginNameEditText, loginNameButton);
        clearUnlessLocked(passwordEditText, passwordButton);
        if (userNumberEditText->isSelectable()) focus(userNumberEditText);
        return;
    }
    clearUnlessLocked(userNumberEditText, userNumberButton);
    if (loginNameEditText->isSelectable())
        focus(loginNameEditText);
    else if (passwordEditText->isSelectable())
        focus(passwordEditText);
}
