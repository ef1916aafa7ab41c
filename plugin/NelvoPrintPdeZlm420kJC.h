// The "Job Handling" panel: the one panel that the plug-in gives the print
// dialog. Where each group of its operations is defined:
//   creation, layout and resources  plugin/PanelCreation.cpp, plugin/PanelResources.cpp
//   the dialog's calls              plugin/PanelDialogCalls.cpp, Summary.cpp, PPDChoiceSelection.cpp
//   writing the job's settings      settings/SettingsWriter.cpp
//   reading them back               settings/SettingsReader.cpp (both over settings/JobFields.h)
//   the controls' set-up            controls/InitializeUI.cpp, LocalizedStringValue.cpp
//   enabling rules                  controls/EnablingRules.cpp
//   action handlers                 controls/AuthenticationActions.cpp, FilingActions.cpp, FieldActions.cpp
//   remembered defaults             preferences/CheckPreference.cpp, GetUserPreference.cpp,
//                                   SaveUserPreference.cpp, DevicePreferences.cpp
//   the device's folders            folders/FolderFetch.cpp, FolderMenu.cpp, ParseXML.cpp
// Its state is in parts with one owner each (plugin/PanelState.h); the
// roles it plays are declared in plugin/PanelRoles.h.
#pragma once

#include <cups/ppd.h>

#include <cstdint>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/LayoutLoader.h"
#include "platform/core/PrintDialogPlugIn.h"
#include "plugin/PanelRoles.h"
#include "plugin/PanelState.h"

class NSBox;
class NelvoPrintPdeZlm420kJCPDEChoice;
class NSButton;
class NSButtonCell;
class NSControl;
class NSPopUpButton;
class NSTextField;
class NSView;

inline constexpr const char* kJobHandlingPanelKind = "nelvo.print.pde.zlm420k.JobControlKind";
inline constexpr const char* kJobHandlingPanelName = "Job Handling";
inline constexpr const char* kPreferenceDomainPrefix = "nelvo.mfp.";

class NelvoPrintPdeZlm420kJC : public PDEPanel,
                               public PanelInspection,
                               public LoginnameInputFilterCallback,
                               public platform::LayoutOwner,
                               public SOAPClientCallback,
                               public std::enable_shared_from_this<NelvoPrintPdeZlm420kJC> {
public:
    // ===== Creation
    // Takes the host's PPD, the device address and the queue's preference
    // domain, and loads the remembered values. `bundle` is the plug-in's own
    // bundle; by default the one whose executable holds this class.
    static std::shared_ptr<NelvoPrintPdeZlm420kJC> initWithCallback(
        std::shared_ptr<NelvoPrintPdeZlm420kJCPDEPluginCallback> callback,
        std::unique_ptr<NSBundle> bundle = bundleOfPanelClass());
    ~NelvoPrintPdeZlm420kJC() override;

    // ===== The dialog's calls
    std::shared_ptr<NSView> panelView() override;
    std::string panelName() override;
    std::string panelKind() override;
    std::vector<std::string> supportedPPDOptionKeys() override;
    void willShow() override;
    bool shouldHide() override;
    bool shouldPrint() override;
    bool shouldShowHelp() override;
    void PPDOptionKeyValueDidChange(const std::string& option, const std::string& choice) override;
    bool restoreValuesAndReturnError(NSError** error) override;
    bool saveValuesAndReturnError(NSError** error) override;
    std::map<std::string, std::string> summaryInfo() override;

    // ===== The roles it plays
    // For a dialog that inspects it: {"folderList": the folder records, or null}.
    nlohmann::json inspectionState() const override;
    // For the layout loader: outlets by field name, actions by handler.
    void connectOutlet(const std::string& fieldName, NSObject* object) override;
    NSControl::Action actionForHandler(const std::string& handlerName) override;
    // For the folder exchange: the report of a fetch that timed out or failed.
    void recieveEndCallback() override;
    // For the login-name filter: nothing asked (LoginnameInputFilterCallback).

    // ===== The state, in parts with one owner each (plugin/PanelState.h)
    PanelContext context;
    PanelOutlets outlets;
    DialogProgress progress;
    RememberedValues remembered;
    JobReadState fromJob;
    LoginNameLockState loginNameLock;
    FolderState deviceFolders;
    KeptState kept;

    // ===== Operations the panel's libraries share (and tests drive)

    // --- The controls' one-time set-up (controls/InitializeUI.cpp).
    void initializeUI();

    // --- Action handlers, sent by the controls a user operates (and run by
    // the reading of stored settings); each ignores its sender.
    void tabProc(NSControl* sender);
    void retentionCBoxProc(NSControl* sender);
    void suspendKeyMatrixProc(NSControl* sender);
    void suspendKeyETextProc(NSControl* sender);
    void suspendKeyButtonProc(NSControl* sender);
    void folderSelectionPopUpButtonProc(NSControl* sender);
    void folderPasswordETextProc(NSControl* sender);
    void folderPasswordButtonProc(NSControl* sender);
    void folderNameButtonProc(NSControl* sender);
    void folderSelectionMatrixProc(NSControl* sender);
    void authenticationMatrixProc(NSControl* sender);
    void loginNameETextProc(NSControl* sender);
    void loginNameButtonProc(NSControl* sender);
    void passwordETextProc(NSControl* sender);
    void passwordButtonProc(NSControl* sender);
    void userNumberETextProc(NSControl* sender);
    void userNumberButtonProc(NSControl* sender);
    void userNameETextProc(NSControl* sender);
    void userNameButtonProc(NSControl* sender);
    void jobNameETextProc(NSControl* sender);
    void jobNameButtonProc(NSControl* sender);
    void accountNumberETextProc(NSControl* sender);
    void accountNumberButtonProc(NSControl* sender);
    void getFolderNameButtonProc(NSControl* sender);
    void printersAddressButtonProc(NSControl* sender);

    // --- Enabling rules: each sets one property of one control from the
    // state of the others.
    void suspendMatrixEnabled();
    void suspendKeyStaticTextEnabled();
    void suspendKeyEditTextEnabled();
    void suspendKeyButtonEnabled();
    void folderSelectionStaticTextEnabled();
    void folderSelectionPopupEnabled();
    void folderPasswordStaticTextEnabled();
    void folderPasswordEditTextEnabled();
    void folderPasswordButtonEnabled();
    void folderSelectionMatrixEnabled();
    void folderNameEditTextEnabled();
    void folderNameButtonEnabled();
    void loginNameStaticTextEnabled();
    void loginNameEditTextEnabled();
    void loginNameButtonEnabled();
    void passwordStaticTextEnabled();
    void passwordEditTextEnabled();
    void passwordButtonEnabled();
    void userNumberEditTextEnabled();
    void userNumberButtonEnabled();
    void userNameEditTextEnabled();
    void jobNameEditTextEnabled();
    void accountNumberEditTextEnabled();
    void accountNumberButtonEnabled();

    // --- The device's folders: the menu rebuilt from folderList, a folder's
    // menu index by name, and the parse of the saved answer (`path` is the
    // response file).
    void makeFolderPopup();
    int64_t SearchSameFolderName(const std::optional<std::string>& name);
    bool parseXML(const std::string& path);

    // --- The localized form of an untranslated title or label: of a text, or
    // of a text field's text, a box's, button's or cell's title; none for
    // none and for an object of another kind.
    std::optional<std::string> localizedStringValue(const std::optional<std::string>& text) const;
    std::optional<std::string> localizedStringValue(const NSTextField* field) const;
    std::optional<std::string> localizedStringValue(const NSBox* box) const;
    std::optional<std::string> localizedStringValue(const NSButton* button) const;
    std::optional<std::string> localizedStringValue(const NSButtonCell* cell) const;
    std::optional<std::string> localizedStringValue(const NSObject* object) const;

    // --- Controls bound to PPD options: the marked or default choice of an
    // option, and a user's selection taken through the host's constraint
    // check.
    int64_t indexOfMarkedOption(ppd_option_t* option, const char* key);
    void getSelection(std::shared_ptr<NelvoPrintPdeZlm420kJCPDEChoice>& selection, NSPopUpButton* popUp,
                      const std::string& key);
    void getSelection(std::shared_ptr<NelvoPrintPdeZlm420kJCPDEChoice>& selection,
                      const std::vector<std::shared_ptr<NelvoPrintPdeZlm420kJCPDEChoice>>& choices, NSButton* button,
                      const std::string& key);

    // --- Remembered defaults of the queue.
    void CheckPreference();
    void GetUserPreference();
    bool SaveUserPreference();
    bool SaveFolderPreference();

    // --- Model trait that sizes the job fields' table.
    static constexpr int32_t getPasswordMax() { return 5; }

private:
    NelvoPrintPdeZlm420kJC(std::shared_ptr<NelvoPrintPdeZlm420kJCPDEPluginCallback> callback,
                           std::unique_ptr<NSBundle> bundle);
    static std::unique_ptr<NSBundle> bundleOfPanelClass();
    void takeDeviceAddress();
    void loadSpaceImage();
    void loadLayoutNamed(const std::string& name);

    // The settings exchange, run by the dialog's calls.
    void updateUI();
    void getNonPPDSettingsFromPrintSettings();
    void writeNonPPDSettingsToPrintSettings();

    // Hooks for hosts without constraint handling; nothing in this model.
    ppd_file_t* getPPDOnTiger();
    void getPPDSettingsFromPrintSettingsOnTiger();
    void writePPDSettingsToPrintSettingsOnTiger();

    // The folder list's part of the remembered defaults, loaded at creation;
    // and the document-filing storage's, which this model has none of.
    void GetFolderPreference();
    bool GetHDDPreference();
    bool SaveHDDPreference();

    // Model traits.
    int32_t getUIMode() const { return 5; }
    bool CheckHardDisk() const { return false; }
    bool isVendroCalimar() const { return false; }
    bool isTiger() const { return false; }
};

// The string-encoding identifier of a PPD's texts, from its LanguageEncoding
// as CUPS reports it.
NSStringEncoding getEncodingFromPPD(ppd_file_t* ppd);
NSStringEncoding encodingFromLanguageEncoding(const char* languageEncoding);
