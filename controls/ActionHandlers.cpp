// The action handlers of the controls.
#include "plugin/NelvoPrintPdeZlm420kJC.h"

void NelvoPrintPdeZlm420kJC::tabProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::retentionCBoxProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::suspendKeyMatrixProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::suspendKeyETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::suspendKeyButtonProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::folderSelectionPopUpButtonProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::folderPasswordETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::folderPasswordButtonProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::folderNameButtonProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::folderSelectionMatrixProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::authenticationMatrixProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::loginNameETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::loginNameButtonProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::passwordETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::passwordButtonProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::userNumberETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::userNumberButtonProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::userNameETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::userNameButtonProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::jobNameETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::jobNameButtonProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::accountNumberETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::accountNumberButtonProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::printersAddressButtonProc(NSControl* /*sender*/) {}
