// The folder button: fetch the device's folder list, read it, remember it
// and show it in the folder menu.
#include "folders/NelvoPrintPdeZlm420kJCSOAPClient.h"
#include "folders/ResponseFile.h"
#include "platform/controls/Alert.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/NSProgressIndicator.h"
#include "platform/controls/TextFields.h"
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

namespace {

constexpr const char* kFetchFailedMessage = "Could not retrieve Folder Names.";
constexpr const char* kOKButton = "OK";

void startProgress(NelvoPrintPdeZlm420kJC& panel) {
    panel.outlets.chasingArrow->startAnimation();
    panel.outlets.chasingArrow->setHidden(false);
}

void stopProgress(NelvoPrintPdeZlm420kJC& panel) {
    panel.outlets.chasingArrow->stopAnimation();
    panel.outlets.chasingArrow->setHidden(true);
}

std::string localized(const NelvoPrintPdeZlm420kJC& panel, const std::string& key) {
    return panel.context.pdeBundle ? panel.context.pdeBundle->localizedStringForKey(key) : key;
}

// Sends the folder request to the device at `address` and waits for the
// exchange to end (about 21 seconds at most). An address that makes no URL
// sends nothing. Answers false when the device answered but its answer
// could not be kept (the user has been alerted).
bool requestFolders(NelvoPrintPdeZlm420kJC& panel, const std::string& address) {
    startProgress(panel);
    bool kept = true;
    if (auto client = NelvoPrintPdeZlm420kJCSOAPClient::initWithServerName(folderServiceURLText(address), &panel)) {
        client->sendMessage(panel.deviceFolders.requestData);
        kept = !client->answerLost();
    }
    stopProgress(panel);
    return kept;
}

// The rebuilt menu may show another folder than before, with or without a
// pass code: the filing controls follow it.
void applyFilingRules(NelvoPrintPdeZlm420kJC& panel) {
    panel.folderSelectionStaticTextEnabled();
    panel.folderSelectionPopupEnabled();
    panel.folderPasswordStaticTextEnabled();
    panel.folderPasswordEditTextEnabled();
    panel.folderPasswordButtonEnabled();
    panel.folderSelectionMatrixEnabled();
    panel.folderNameEditTextEnabled();
    panel.folderNameButtonEnabled();
}

}  // namespace

void NelvoPrintPdeZlm420kJC::getFolderNameButtonProc(NSControl* sender) {
    PDEProlog(this, "getFolderNameButtonProc:(%p)", sender);
    if (!outlets.getFolderNameButton) return;
    const std::string address = outlets.printersAddressEditText->stringValue();
    // An answer that could not be kept: the file holds another device's
    // folders, or none, so nothing is read or remembered for this address.
    if (!address.empty() && !requestFolders(*this, address)) {
        PDEEpilog(this, "getFolderNameButtonProc:=void");
        return;
    }
    // Also after a failed fetch, or none: an earlier answer is read again.
    // The client's storeAnswer wrote the file (docs/reader-guide.md).
    if (const std::optional<std::string> path = folders::responseFilePath()) parseXML(*path);
    SaveFolderPreference();
    makeFolderPopup();
    applyFilingRules(*this);
    PDEEpilog(this, "getFolderNameButtonProc:=void");
}

void NelvoPrintPdeZlm420kJC::recieveEndCallback() {
    PDEProlog(this, "--recieveEndCallback:");
    const std::string message = localized(*this, kFetchFailedMessage);
    const std::string button = localized(*this, kOKButton);
    stopProgress(*this);
    NSRunInformationalAlertPanel("", message, button);
    PDEEpilog(this, "--recieveEndCallback:=void");
}
