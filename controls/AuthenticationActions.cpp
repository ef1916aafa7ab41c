// Switching the authentication mode: the other mode's unlocked fields are
// cleared and the keyboard focus goes to the first usable field of the mode.
#include "controls/PanelConditions.h"
#include "controls/TextFields.h"
#include "platform/controls/Buttons.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

using namespace controls;

namespace {

void focus(const Outlet<NSTextField>& field) {
    field->window().makeFirstResponder(field.get());
}

}  // namespace

void NelvoPrintPdeZlm420kJC::authenticationMatrixProc(NSControl* /*sender*/) {
    if (!outlets.authenticationMatrix) return;
    loginNameStaticTextEnabled();
    loginNameEditTextEnabled();
    loginNameButtonEnabled();
    passwordStaticTextEnabled();
    passwordEditTextEnabled();
    passwordButtonEnabled();
    userNumberEditTextEnabled();
    userNumberButtonEnabled();

    if (!loginNameMode(*this)) {
        clearUnlessLocked(outlets.loginNameEditText, outlets.loginNameButton);
        clearUnlessLocked(outlets.passwordEditText, outlets.passwordButton);
        if (outlets.userNumberEditText->isSelectable()) focus(outlets.userNumberEditText);
        return;
    }
    clearUnlessLocked(outlets.userNumberEditText, outlets.userNumberButton);
    if (outlets.loginNameEditText->isSelectable())
        focus(outlets.loginNameEditText);
    else if (outlets.passwordEditText->isSelectable())
        focus(outlets.passwordEditText);
}
