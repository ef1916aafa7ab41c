// The actions that change nothing: typing into a field changes only its own
// value, which the writer reads from the field; the tab view and the address
// field need no reaction.
#include "plugin/NelvoPrintPdeZlm420kJC.h"

void NelvoPrintPdeZlm420kJC::tabProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::suspendKeyETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::folderPasswordETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::loginNameETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::passwordETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::userNumberETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::userNameETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::jobNameETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::accountNumberETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::printersAddressButtonProc(NSControl* /*sender*/) {}
