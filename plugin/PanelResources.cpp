// The bundle resources that the panel loads: its layout, connected to the
// panel's outlets and handlers, and the blank image of the folder menu.
#include <functional>
#include <map>

#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/Menus.h"
#include "platform/controls/NSImage.h"
#include "platform/controls/NSProgressIndicator.h"
#include "platform/controls/TextFields.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

namespace {

using Panel = NelvoPrintPdeZlm420kJC;
using Connector = std::function<void(Panel&, NSObject*)>;

template <class T>
Connector outlet(Outlet<T> PanelOutlets::*field) {
    return [field](Panel& panel, NSObject* object) { (panel.outlets.*field).connect(object); };
}

const std::map<std::string, Connector>& outletsByName() {
    static const std::map<std::string, Connector> outlets = {
        {"tabView", outlet(&PanelOutlets::tabView)},
        {"retentionCheckBox", outlet(&PanelOutlets::retentionCheckBox)},
        {"suspendBox", outlet(&PanelOutlets::suspendBox)},
        {"suspendMatrix", outlet(&PanelOutlets::suspendMatrix)},
        {"holdOnlyRadioButton", outlet(&PanelOutlets::holdOnlyRadioButton)},
        {"holdAfterRadioButton", outlet(&PanelOutlets::holdAfterRadioButton)},
        {"samplePrintRadioButton", outlet(&PanelOutlets::samplePrintRadioButton)},
        {"suspendKeyStaticText", outlet(&PanelOutlets::suspendKeyStaticText)},
        {"suspendKeyEditText", outlet(&PanelOutlets::suspendKeyEditText)},
        {"suspendKeyButton", outlet(&PanelOutlets::suspendKeyButton)},
        {"filingBox", outlet(&PanelOutlets::filingBox)},
        {"folderSelectionStaticText", outlet(&PanelOutlets::folderSelectionStaticText)},
        {"folderSelectionPopup", outlet(&PanelOutlets::folderSelectionPopup)},
        {"folderPasswordStaticText", outlet(&PanelOutlets::folderPasswordStaticText)},
        {"folderPasswordEditText", outlet(&PanelOutlets::folderPasswordEditText)},
        {"folderPasswordButton", outlet(&PanelOutlets::folderPasswordButton)},
        {"folderSelectionMatrix", outlet(&PanelOutlets::folderSelectionMatrix)},
        {"quickFileRadioButton", outlet(&PanelOutlets::quickFileRadioButton)},
        {"mainFolderRadioButton", outlet(&PanelOutlets::mainFolderRadioButton)},
        {"customFolderRadioButton", outlet(&PanelOutlets::customFolderRadioButton)},
        {"folderNameEditText", outlet(&PanelOutlets::folderNameEditText)},
        {"folderNameButton", outlet(&PanelOutlets::folderNameButton)},
        {"authenticationMatrix", outlet(&PanelOutlets::authenticationMatrix)},
        {"authenticationRadioButton", outlet(&PanelOutlets::authenticationRadioButton)},
        {"loginNameStaticText", outlet(&PanelOutlets::loginNameStaticText)},
        {"loginNameEditText", outlet(&PanelOutlets::loginNameEditText)},
        {"loginNameButton", outlet(&PanelOutlets::loginNameButton)},
        {"passwordStaticText", outlet(&PanelOutlets::passwordStaticText)},
        {"passwordEditText", outlet(&PanelOutlets::passwordEditText)},
        {"passwordButton", outlet(&PanelOutlets::passwordButton)},
        {"userNumberMatrix", outlet(&PanelOutlets::userNumberMatrix)},
        {"userNumberRadioButton", outlet(&PanelOutlets::userNumberRadioButton)},
        {"userNumberEditText", outlet(&PanelOutlets::userNumberEditText)},
        {"userNumberButton", outlet(&PanelOutlets::userNumberButton)},
        {"accountNumberStaticText", outlet(&PanelOutlets::accountNumberStaticText)},
        {"accountNumberEditText", outlet(&PanelOutlets::accountNumberEditText)},
        {"accountNumberButton", outlet(&PanelOutlets::accountNumberButton)},
        {"jobIDBox", outlet(&PanelOutlets::jobIDBox)},
        {"userNameStaticText", outlet(&PanelOutlets::userNameStaticText)},
        {"userNameEditText", outlet(&PanelOutlets::userNameEditText)},
        {"userNameButton", outlet(&PanelOutlets::userNameButton)},
        {"jobNameStaticText", outlet(&PanelOutlets::jobNameStaticText)},
        {"jobNameEditText", outlet(&PanelOutlets::jobNameEditText)},
        {"jobNameButton", outlet(&PanelOutlets::jobNameButton)},
        {"printersAddressStaticText", outlet(&PanelOutlets::printersAddressStaticText)},
        {"printersAddressEditText", outlet(&PanelOutlets::printersAddressEditText)},
        {"chasingArrow", outlet(&PanelOutlets::chasingArrow)},
        {"getFolderNameButton", outlet(&PanelOutlets::getFolderNameButton)},
    };
    return outlets;
}

using Handler = void (Panel::*)(NSControl*);

// The layout's "action" strings lead here (docs/reader-guide.md).
const std::map<std::string, Handler>& handlersByName() {
    static const std::map<std::string, Handler> handlers = {
        {"tabProc:", &Panel::tabProc},
        {"retentionCBoxProc:", &Panel::retentionCBoxProc},
        {"suspendKeyMatrixProc:", &Panel::suspendKeyMatrixProc},
        {"suspendKeyETextProc:", &Panel::suspendKeyETextProc},
        {"suspendKeyButtonProc:", &Panel::suspendKeyButtonProc},
        {"folderSelectionPopUpButtonProc:", &Panel::folderSelectionPopUpButtonProc},
        {"folderPasswordETextProc:", &Panel::folderPasswordETextProc},
        {"folderPasswordButtonProc:", &Panel::folderPasswordButtonProc},
        {"folderNameButtonProc:", &Panel::folderNameButtonProc},
        {"folderSelectionMatrixProc:", &Panel::folderSelectionMatrixProc},
        {"authenticationMatrixProc:", &Panel::authenticationMatrixProc},
        {"loginNameETextProc:", &Panel::loginNameETextProc},
        {"loginNameButtonProc:", &Panel::loginNameButtonProc},
        {"passwordETextProc:", &Panel::passwordETextProc},
        {"passwordButtonProc:", &Panel::passwordButtonProc},
        {"userNumberETextProc:", &Panel::userNumberETextProc},
        {"userNumberButtonProc:", &Panel::userNumberButtonProc},
        {"userNameETextProc:", &Panel::userNameETextProc},
        {"userNameButtonProc:", &Panel::userNameButtonProc},
        {"jobNameETextProc:", &Panel::jobNameETextProc},
        {"jobNameButtonProc:", &Panel::jobNameButtonProc},
        {"accountNumberETextProc:", &Panel::accountNumberETextProc},
        {"accountNumberButtonProc:", &Panel::accountNumberButtonProc},
        {"getFolderNameButtonProc:", &Panel::getFolderNameButtonProc},
        {"printersAddressButtonProc:", &Panel::printersAddressButtonProc},
    };
    return handlers;
}

}  // namespace

void NelvoPrintPdeZlm420kJC::connectOutlet(const std::string& fieldName, NSObject* object) {
    const auto found = outletsByName().find(fieldName);
    if (found != outletsByName().end()) found->second(*this, object);
}

NSControl::Action NelvoPrintPdeZlm420kJC::actionForHandler(const std::string& handlerName) {
    const auto found = handlersByName().find(handlerName);
    if (found == handlersByName().end()) return {};
    // A host may keep the view after it let the panel go: an action then
    // reaches nothing.
    const Handler handler = found->second;
    return [panel = weak_from_this(), handler](NSControl* sender) {
        if (const std::shared_ptr<Panel> alive = panel.lock()) (alive.get()->*handler)(sender);
    };
}

void NelvoPrintPdeZlm420kJC::loadLayoutNamed(const std::string& name) {
    if (context.pdeBundle) outlets.panelView = context.pdeBundle->loadNibNamed(name, *this);
}

void NelvoPrintPdeZlm420kJC::loadSpaceImage() {
    if (!context.pdeBundle) return;
    if (const auto path = context.pdeBundle->pathForResource("space", "png"))
        deviceFolders.spaceImage = NSImage::imageWithContentsOfFile(*path);
}
