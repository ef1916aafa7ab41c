// The enabling rules of the controls.
#include "plugin/NelvoPrintPdeZlm420kJC.h"

void NelvoPrintPdeZlm420kJC::suspendMatrixEnabled() {}

void NelvoPrintPdeZlm420kJC::suspendKeyStaticTextEnabled() {}

void NelvoPrintPdeZlm420kJC::suspendKeyEditTextEnabled() {}

void NelvoPrintPdeZlm420kJC::suspendKeyButtonEnabled() {}

void NelvoPrintPdeZlm420kJC::folderSelectionStaticTextEnabled() {}

void NelvoPrintPdeZlm420kJC::folderSelectionPopupEnabled() {}

void NelvoPrintPdeZlm420kJC::folderPasswordStaticTextEnabled() {}

void NelvoPrintPdeZlm420kJC::folderPasswordEditTextEnabled() {}

void NelvoPrintPdeZlm420kJC::folderPasswordButtonEnabled() {}

void NelvoPrintPdeZlm420kJC::folderSelectionMatrixEnabled() {}

void NelvoPrintPdeZlm420kJC::folderNameEditTextEnabled() {}

void NelvoPrintPdeZlm420kJC::folderNameButtonEnabled() {}

void NelvoPrintPdeZlm420kJC::loginNameStaticTextEnabled() {}

void NelvoPrintPdeZlm420kJC::loginNameEditTextEnabled() {}

void NelvoPrintPdeZlm420kJC::loginNameButtonEnabled() {}

void NelvoPrintPdeZlm420kJC::passwordStaticTextEnabled() {}

void NelvoPrintPdeZlm420kJC::passwordEditTextEnabled() {}

void NelvoPrintPdeZlm420kJC::passwordButtonEnabled() {}

void NelvoPrintPdeZlm420kJC::userNumberEditTextEnabled() {}

void NelvoPrintPdeZlm420kJC::userNumberButtonEnabled() {}

void NelvoPrintPdeZlm420kJC::userNameEditTextEnabled() {}

void NelvoPrintPdeZlm420kJC::jobNameEditTextEnabled() {}

void NelvoPrintPdeZlm420kJC::accountNumberEditTextEnabled() {}

void NelvoPrintPdeZlm420kJC::accountNumberButtonEnabled() {}
