// The calls that the print dialog makes on the panel, with their guards and
// fixed answers.
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

namespace {

constexpr const char* kLayoutNames[] = {"JobControl", "JobControl2", "JobControl3", "JobControl4", "JobControl5"};

}  // namespace

std::shared_ptr<NSView> NelvoPrintPdeZlm420kJC::panelView() {
    PDEProlog(this, "panelView:");
    if (!outlets.panelView) {
        const int32_t mode = getUIMode();
        if (mode >= 1 && mode <= 5) loadLayoutNamed(kLayoutNames[mode - 1]);
    }
    initializeUI();
    PDEEpilog(this, "panelView:=NSView(%@, %p)", outlets.panelView.get(), outlets.panelView.get());
    return outlets.panelView;
}

std::string NelvoPrintPdeZlm420kJC::panelName() {
    PDEProlog(this, "panelName:");
    if (!context.thePDEName)
        context.thePDEName =
            context.pdeBundle ? context.pdeBundle->localizedStringForKey(kJobHandlingPanelName) : kJobHandlingPanelName;
    PDEEpilog(this, "panelName:=NSString(%@)", *context.thePDEName);
    return *context.thePDEName;
}

std::string NelvoPrintPdeZlm420kJC::panelKind() {
    PDEProlog(this, "panelKind:");
    const std::string kind = kJobHandlingPanelKind;
    PDEEpilog(this, "panelKind:=NSString(%@)", kind);
    return kind;
}

std::vector<std::string> NelvoPrintPdeZlm420kJC::supportedPPDOptionKeys() {
    PDEProlog(this, "supportedPPDOptionKeys:");
    std::vector<std::string> keys = {"KZDocFiling", "KZHoldKey", "KZUserNumber", "KZUserName", "KZJobName"};
    PDEEpilog(this, "supportedPPDOptionKeys:=NSArray(%@)", keys);
    return keys;
}

void NelvoPrintPdeZlm420kJC::willShow() {
    PDEProlog(this, "willShow:");
    if (!progress.hasInited) initializeUI();
    updateUI();
    PDEEpilog(this, "willShow:=void");
}

bool NelvoPrintPdeZlm420kJC::shouldHide() {
    PDEProlog(this, "shouldHide:");
    PDEEpilog(this, "shouldHide:=BOOL(YES)");
    return true;
}

bool NelvoPrintPdeZlm420kJC::shouldPrint() {
    PDEProlog(this, "shouldPrint:");
    PMPrintSettings settings =
        context.pdePluginCallbackObject ? context.pdePluginCallbackObject->printSettings() : nullptr;
    if (!progress.callRestoreValuesFunction) restoreValuesAndReturnError(nullptr);
    if (!progress.callSaveValuesFunction) saveValuesAndReturnError(nullptr);
    if (settings && progress.hasInited) {
        // The values of this job become the queue's remembered defaults and
        // are loaded again at once, for a later restore in this panel.
        SaveUserPreference();
        GetUserPreference();
    }
    PDEEpilog(this, "shouldPrint:=BOOL(YES)");
    return true;
}

bool NelvoPrintPdeZlm420kJC::shouldShowHelp() {
    PDEProlog(this, "shouldShowHelp:");
    PDEEpilog(this, "shouldShowHelp:=BOOL(YES)");
    return true;
}

void NelvoPrintPdeZlm420kJC::PPDOptionKeyValueDidChange(const std::string& option, const std::string& choice) {
    PDEProlog(this, "PPDOptionKeyValueDidChange:(%@) ppdChoice:(%@)", option, choice);
    PDEEpilog(this, "PPDOptionKeyValueDidChange:ppdChoice:=void");
}

bool NelvoPrintPdeZlm420kJC::restoreValuesAndReturnError(NSError** error) {
    PDEProlog(this, "restoreValuesAndReturnError:(%p)", error);
    if (!outlets.panelView) {
        // The panel holds the view it had to load here until it goes.
        panelView();
        kept.isPanelViewRetain = true;
    }
    if (!progress.hasInited) initializeUI();
    if (!context.useConstraintHandling) getPPDSettingsFromPrintSettingsOnTiger();
    getNonPPDSettingsFromPrintSettings();
    updateUI();
    progress.callRestoreValuesFunction = true;
    PDEEpilog(this, "restoreValuesAndReturnError:=BOOL(YES)");
    return true;
}

bool NelvoPrintPdeZlm420kJC::saveValuesAndReturnError(NSError** error) {
    PDEProlog(this, "saveValuesAndReturnError:(%p)", error);
    if (!context.useConstraintHandling) writePPDSettingsToPrintSettingsOnTiger();
    writeNonPPDSettingsToPrintSettings();
    // A save made before the controls existed wrote none of the panel's
    // values; printing must still make the save that counts.
    if (progress.viewControlsSetUp) progress.callSaveValuesFunction = true;
    PDEEpilog(this, "saveValuesAndReturnError:=BOOL(YES)");
    return true;
}

void NelvoPrintPdeZlm420kJC::updateUI() {
    PDEProlog(this, "--updateUI:");
    PDEEpilog(this, "--updateUI:");
}

ppd_file_t* NelvoPrintPdeZlm420kJC::getPPDOnTiger() {
    return nullptr;
}

void NelvoPrintPdeZlm420kJC::getPPDSettingsFromPrintSettingsOnTiger() {}

void NelvoPrintPdeZlm420kJC::writePPDSettingsToPrintSettingsOnTiger() {}

nlohmann::json NelvoPrintPdeZlm420kJC::inspectionState() const {
    nlohmann::json folders = nullptr;
    if (deviceFolders.folderList) folders = *deviceFolders.folderList;
    return {{"folderList", folders}};
}
