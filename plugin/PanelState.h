// The panel's state, in parts with one owner each. A part's comment says who
// writes it and who reads it; the panel (plugin/NelvoPrintPdeZlm420kJC.h)
// holds one of each. Inside a part, the fields keep the names the panel's
// documented steps give them.
#pragma once

#include <cups/ppd.h>

#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/NSObject.h"
#include "platform/core/Bundle.h"
#include "platform/core/CoreTypes.h"
#include "platform/core/StringEncoding.h"
#include "plugin/PanelRoles.h"

class NSBox;
class NSButton;
class NSButtonCell;
class NSImage;
class NSMatrix;
class NSPopUpButton;
class NSProgressIndicator;
class NSTabView;
class NSTextField;
class NSView;

// What the panel takes from the host, the printer, the system and its own
// bundle. Written at creation (plugin/PanelCreation.cpp), the name at the
// dialog's first panelName call; read by every group, never changed after.
struct PanelContext {
    std::shared_ptr<NelvoPrintPdeZlm420kJCPDEPluginCallback> pdePluginCallbackObject;
    bool useConstraintHandling = false;
    bool canResizeView = false;
    ppd_file_t* ppd = nullptr;  // borrowed from the host
    NSStringEncoding ppdEncoding = NSMacOSRomanStringEncoding;
    NSStringEncoding systemEncoding = NSMacOSRomanStringEncoding;
    std::optional<std::string> modelStringRef;
    std::optional<std::string> preferenceName;  // the queue's defaults domain
    std::optional<std::string> mfpURL;          // the device's host address
    std::unique_ptr<NSBundle> pdeBundle;
    std::optional<std::string> thePDEName;
};

// The loaded view and its controls. The view is loaded by the dialog's
// panelView call (plugin/PanelResources.cpp), which also connects the
// outlets by field name; every group reads and sets the controls, which are
// the only store of the job's values while the panel is open. Absent
// controls read as 0 or empty.
struct PanelOutlets {
    // Owns the controls below.
    std::shared_ptr<NSView> panelView;

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
};

// Where the dialog's calls have got to. Written by the dialog's calls
// (plugin/PanelDialogCalls.cpp) and the controls' set-up
// (controls/InitializeUI.cpp); read by them, the summary and the writer.
struct DialogProgress {
    bool hasInited = false;
    // The controls of a loaded view have been set up; hasInited alone may
    // come from a set-up made before there was a view.
    bool viewControlsSetUp = false;
    bool callSaveValuesFunction = false;
    bool callRestoreValuesFunction = false;
};

// The values remembered for the queue. Loaded by preferences/
// (GetUserPreference: at creation, and again after each print); handed to
// the settings reader, which takes each one through takeAtFirstRestore.
struct RememberedValues {
    uint32_t prefHoldButtonFlag = 0;  // the remembered locks, one bit per field
    std::optional<bool> prefAuthenticationBooleanRef;
    std::optional<std::string> prefSuspendKeyStringRef;
    std::optional<std::string> prefLoginNameStringRef;
    std::optional<std::string> prefPasswordStringRef;
    std::optional<std::string> prefUserNumberStringRef;
    std::optional<std::string> prefUserNameStringRef;
    std::optional<std::string> prefJobNameStringRef;
    std::optional<std::string> prefFolderPassStringRef;
    std::optional<std::string> prefAccountNumberStringRef;
    std::optional<std::string> prefFolderNameStringRef;

    // Remembered values apply at the first restore only. The first restore
    // that reads a field after the values were loaded takes the field's bit
    // out of the mask and learns whether it was there (the field then comes
    // back locked, with the remembered value when there is one); a later
    // restore finds the bit gone and reads the job's own settings, until the
    // values are loaded again.
    bool takeAtFirstRestore(uint32_t lockBit) {
        const bool remembered = (prefHoldButtonFlag & lockBit) != 0;
        prefHoldButtonFlag &= ~lockBit;
        return remembered;
    }

    // The remembered authentication method (true for the login name) under
    // the same rule: while a bit of `fieldBits`, the locks of the fields the
    // method decides, is still to be taken; none otherwise.
    std::optional<bool> authenticationAtFirstRestore(uint32_t fieldBits) const {
        if ((prefHoldButtonFlag & fieldBits) == 0) return std::nullopt;
        return prefAuthenticationBooleanRef;
    }
};

// What the settings reader (settings/SettingsReader.cpp) took from the
// job's print settings and keeps for the next restore; read by it alone.
struct JobReadState {
    // The job's lock mask; kept when a later job carries none.
    uint32_t presetHoldButtonFlag = 0;
    // The custom folder that the job names.
    std::optional<std::string> folderNameStringRef;
};

// The login-name lock. Written by its handler (controls/FieldActions.cpp),
// released by the settings reader before it reads the name; read by the
// writer and the preference save, which take the clear name from here while
// the field shows bullets.
struct LoginNameLockState {
    std::optional<std::string> loginNameStringRef;
    bool loginNameLockFlag = false;
};

// One of the device's custom folders, as the folder list and the remembered
// "files" array hold it.
struct FolderRecord {
    std::string name;       // as the device sent it; the menu item's title
    bool password = false;  // protected by a pass code
    bool dir = false;       // the device's "dir" flag, kept with the record
    bool add = false;       // always false
};

using FolderList = std::vector<FolderRecord>;

// The record as a dictionary of "name", "password", "dir" and "add"
// (folders/FolderList.cpp). Read back, a field that is missing or of another
// type (a file edited by hand may hold anything) reads as empty or false.
void to_json(nlohmann::json& json, const FolderRecord& folder);
void from_json(const nlohmann::json& json, FolderRecord& folder);

// The device's folders. The request body and the menu's blank image are
// read from the bundle at creation (plugin/PanelCreation.cpp,
// PanelResources.cpp); the list comes from the remembered defaults at
// creation (preferences/) and from each answer of the device
// (folders/ParseXML.cpp). The folder menu and the filing rules read the
// list, the preference save remembers it.
struct FolderState {
    std::optional<NSData> requestData;
    std::shared_ptr<NSImage> spaceImage;
    std::optional<FolderList> folderList;
};

// Kept state: written where the panel's documented steps write it, read by
// nothing in this model (tests aside). Kept so that the panel's state stays
// complete for a model that needs it.
struct KeptState {
    std::optional<NSData> debugData;
    nlohmann::json preferenceDict = nlohmann::json::object();
    bool loginNameUnLockFlag = false;
    std::optional<std::string> addressStringRef;  // the remembered record's "address"
    bool tigerHDDFlag = false;
    bool isPanelViewRetain = false;
};
