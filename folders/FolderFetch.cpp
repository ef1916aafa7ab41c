// The folder button: fetch the device's folder list, read it, remember it
// and show it in the folder menu.
#include "folders/FolderServiceURL.h"
#include "folders/NelvoPrintPdeZlm420kJCSOAPClient.h"
#include "folders/ResponseFile.h"
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

void NelvoPrintPdeZlm420kJC::getFolderNameButtonProc(NSControl* /*sender*/) {
    PDEProlog(this, "getFolderNameButtonProc:");
    if (!getFolderNameButton) return;
    parseXML(folders::responseFilePath());
    SaveFolderPreference();
    PDEEpilog(this, "getFolderNameButtonProc:=void");
}

void NelvoPrintPdeZlm420kJC::recieveEndCallback() {
    PDEProlog(this, "--recieveEndCallback:");
    PDEEpilog(this, "--recieveEndCallback:=void");
}
