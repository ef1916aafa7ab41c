// The "Job Handling" panel: the one panel that the plug-in gives the print
// dialog. Where each group of its operations is defined:
//   creation, layout and resources  plugin/PanelCreation.cpp, plugin/PanelResources.cpp
//   the dialog's calls              plugin/PanelDialogCalls.cpp, Summary.cpp, PPDChoiceSelection.cpp
//   writing the job's settings      settings/SettingsWriter.cpp
//   reading them back               settings/SettingsReader.cpp (both over settings/JobFields.h)
//   the controls' set-up            controls/InitializeUI.cpp, LocalizedStringValue.cpp
//   enabling rules                  controls/EnablingRules.cpp
//   action handlers                 controls/*Actions.cpp, LoginNameLock.cpp
//   remembered defaults             preferences/, one file per operation
//   the device's folders            folders/FolderFetch.cpp, FolderMenu.cpp, ParseXML.cpp
#pragma once

#include <cups/ppd.h>

#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "platform/controls/LayoutLoader.h"
#include "platform/controls/NSObject.h"
#include "platform/core/Bundle.h"
#include "platform/core/PrintDialogPlugIn.h"
#include "platform/core/StringEncoding.h"
#include "plugin/FolderRecord.h"
#include "plugin/HostInterface.h"
#include "plugin/LoginnameInputFilterCallback.h"
#include "plugin/SOAPClientCallback.h"

class NSBox;
class NelvoPrintPdeZlm420kJCPDEChoice;
class NSButton;
class NSButtonCell;
class NSControl;
class NSImage;
class NSMatrix;
class NSPopUpButton;
class NSProgressIndicator;
class NSTabView;
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
    // Creation: takes the host's PPD, the device address and the queue's
    // preference domain, and loads the remembered values. `bundle` is the
    // plug-in's own bundle; by default the one whose executable holds this
    // class.
    static std::shared_ptr<NelvoPrintPdeZlm420kJC> initWithCallback(
        std::shared_ptr<NelvoPrintPdeZlm420kJCPDEPluginCallback> callback,
        std::unique_ptr<NSBundle> bundle = bundleOfPanelClass());
    ~NelvoPrintPdeZlm420kJC() override;

    static std::unique_ptr<NSBundle> bundleOfPanelClass();

    // The dialog's calls.
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
    // {"folderList": the folder records, or null}
    nlohmann::json inspectionState() const override;

    // The layout's connections: outlets by field name, actions by handler.
    void connectOutlet(const std::string& fieldName, NSObject* object) override;
    NSControl::Action actionForHandler(const std::string& handlerName) override;

    // Set-up and the settings exchange.
    void initializeUI();
    void updateUI();
    void getNonPPDSettingsFromPrintSettings();
    void writeNonPPDSettingsToPrintSettings();

    // Hooks for hosts without constraint handling; nothing in this model.
    ppd_file_t* getPPDOnTiger();
    void getPPDSettingsFromPrintSettingsOnTiger();
    void writePPDSettingsToPrintSettingsOnTiger();

    // Model traits.
    int32_t getUIMode() const { return 5; }
    static constexpr int32_t getPasswordMax() { return 5; }
    bool CheckHardDisk() const { return false; }
    bool isVendroCalimar() const { return false; }
    bool isTiger() const { return false; }

    // Action handlers, sent by the controls a user operates (and run by the
    // reading of stored settings); each ignores its sender.
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

    // Enabling rules: each sets one property of one control from the state
    // of the others.
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

    // The folder menu: rebuilt from folderList; a folder's menu index by name.
    void makeFolderPopup();
    int64_t SearchSameFolderName(const std::optional<std::string>& name);

    // The localized form of an untranslated title or label: of a text, or of
    // a text field's text, a box's, button's or cell's title; none for none
    // and for an object of another kind.
    std::optional<std::string> localizedStringValue(const std::optional<std::string>& text) const;
    std::optional<std::string> localizedStringValue(const NSTextField* field) const;
    std::optional<std::string> localizedStringValue(const NSBox* box) const;
    std::optional<std::string> localizedStringValue(const NSButton* button) const;
    std::optional<std::string> localizedStringValue(const NSButtonCell* cell) const;
    std::optional<std::string> localizedStringValue(const NSObject* object) const;

    // Controls bound to PPD options: the marked or default choice of an
    // option, and a user's selection taken through the host's constraint check.
    int64_t indexOfMarkedOption(ppd_option_t* option, const char* key);
    void getSelection(std::shared_ptr<NelvoPrintPdeZlm420kJCPDEChoice>& selection, NSPopUpButton* popUp,
                      const std::string& key);
    void getSelection(std::shared_ptr<NelvoPrintPdeZlm420kJCPDEChoice>& selection,
                      const std::vector<std::shared_ptr<NelvoPrintPdeZlm420kJCPDEChoice>>& choices, NSButton* button,
                      const std::string& key);

    // Remembered defaults of the queue.
    void CheckPreference();
    void GetUserPreference();
    void GetFolderPreference();
    bool SaveUserPreference();
    bool SaveFolderPreference();
    bool GetHDDPreference();
    bool SaveHDDPreference();

    // The device's folders (with getFolderNameButtonProc above): the parse
    // of the saved answer (`path` is the response file) and the report of a
    // fetch that timed out or failed.
    bool parseXML(const std::string& path);
    void recieveEndCallback() override;

    // --- The panel's state, shared by its operations across the files above.

    std::shared_ptr<NelvoPrintPdeZlm420kJCPDEPluginCallback> pdePluginCallbackObject;
    std::optional<std::string> thePDEName;
    bool useConstraintHandling = false;
    bool canResizeView = false;
    bool hasInited = false;
    ppd_file_t* ppd = nullptr;  // borrowed from the host
    NSStringEncoding ppdEncoding = NSMacOSRomanStringEncoding;
    NSStringEncoding systemEncoding = NSMacOSRomanStringEncoding;
    std::unique_ptr<NSBundle> pdeBundle;
    bool callSaveValuesFunction = false;
    bool callRestoreValuesFunction = false;
    // The field `panelView`, apart from the dialog call of that name: the
    // loaded view, which owns the controls below.
    std::shared_ptr<NSView> panelView_;

    // The controls, connected by the layout; absent ones read as 0 or empty.
    Outlet<NSTabView> tabView;
    Outlet<NSButton> retentionCheckBox;
    Outlet<NSBox> suspendBox;
    Outlet<NSMatrix> suspendMatrix;
    Outlet<NSButtonCell> holdOnlyRadioButton;
    Outlet<NSButtonCell> holdAfterRadioButton;
    Outlet<NSButtonCell> samplePrintRadioButton;
    Outlet<NSTextField> suspendKeyStaticText;
    Outlet<NSTextField> suspendKeyEditText;
    Outlet<NSButton> suspendKeyButton;
    Outlet<NSBox> filingBox;
    Outlet<NSTextField> folderSelectionStaticText;
    Outlet<NSPopUpButton> folderSelectionPopup;
    Outlet<NSTextField> folderPasswordStaticText;
    Outlet<NSTextField> folderPasswordEditText;
    Outlet<NSButton> folderPasswordButton;
    Outlet<NSMatrix> folderSelectionMatrix;
    Outlet<NSButtonCell> quickFileRadioButton;
    Outlet<NSButtonCell> mainFolderRadioButton;
    Outlet<NSButtonCell> customFolderRadioButton;
    Outlet<NSTextField> folderNameEditText;
    Outlet<NSButton> folderNameButton;
    Outlet<NSMatrix> authenticationMatrix;
    Outlet<NSButtonCell> authenticationRadioButton;
    Outlet<NSTextField> loginNameStaticText;
    Outlet<NSTextField> loginNameEditText;
    Outlet<NSButton> loginNameButton;
    Outlet<NSTextField> passwordStaticText;
    Outlet<NSTextField> passwordEditText;
    Outlet<NSButton> passwordButton;
    Outlet<NSMatrix> userNumberMatrix;
    Outlet<NSButtonCell> userNumberRadioButton;
    Outlet<NSTextField> userNumberEditText;
    Outlet<NSButton> userNumberButton;
    Outlet<NSTextField> accountNumberStaticText;
    Outlet<NSTextField> accountNumberEditText;
    Outlet<NSButton> accountNumberButton;
    Outlet<NSBox> jobIDBox;
    Outlet<NSTextField> userNameStaticText;
    Outlet<NSTextField> userNameEditText;
    Outlet<NSButton> userNameButton;
    Outlet<NSTextField> jobNameStaticText;
    Outlet<NSTextField> jobNameEditText;
    Outlet<NSButton> jobNameButton;
    Outlet<NSTextField> printersAddressStaticText;
    Outlet<NSTextField> printersAddressEditText;
    Outlet<NSProgressIndicator> chasingArrow;
    Outlet<NSButton> getFolderNameButton;

    std::optional<NSData> requestData;
    std::optional<std::string> preferenceName;
    std::optional<std::string> modelStringRef;
    uint32_t prefHoldButtonFlag = 0;
    std::optional<std::string> prefSuspendKeyStringRef;
    std::optional<bool> prefAuthenticationBooleanRef;
    std::optional<std::string> prefLoginNameStringRef;
    std::optional<std::string> prefPasswordStringRef;
    std::optional<std::string> prefUserNumberStringRef;
    std::optional<std::string> prefUserNameStringRef;
    std::optional<std::string> prefJobNameStringRef;
    std::optional<std::string> prefFolderPassStringRef;
    std::optional<std::string> prefAccountNumberStringRef;
    std::optional<std::string> prefFolderNameStringRef;
    std::optional<std::string> loginNameStringRef;
    bool loginNameLockFlag = false;
    std::optional<std::string> folderNameStringRef;
    std::optional<std::string> mfpURL;
    std::optional<FolderList> folderList;
    std::shared_ptr<NSImage> spaceImage;
    uint32_t presetHoldButtonFlag = 0;
    // The controls of a loaded view have been set up; hasInited alone may
    // come from a set-up made before there was a view.
    bool viewControlsSetUp = false;

    // --- Kept state: written where the panel's documented steps write it,
    // read by nothing in this model (tests aside). Kept so that the panel's
    // state stays complete for a model that needs it.
    std::optional<NSData> debugData;
    nlohmann::json preferenceDict = nlohmann::json::object();
    bool loginNameUnLockFlag = false;
    std::optional<std::string> addressStringRef;  // the remembered record's "address"
    bool tigerHDDFlag = false;
    bool isPanelViewRetain = false;

private:
    NelvoPrintPdeZlm420kJC(std::shared_ptr<NelvoPrintPdeZlm420kJCPDEPluginCallback> callback,
                           std::unique_ptr<NSBundle> bundle);
    void takeDeviceAddress();
    void loadSpaceImage();
    void loadLayoutNamed(const std::string& name);
};

// The string-encoding identifier of a PPD's texts, from its LanguageEncoding
// as CUPS reports it.
NSStringEncoding getEncodingFromPPD(ppd_file_t* ppd);
NSStringEncoding encodingFromLanguageEncoding(const char* languageEncoding);
