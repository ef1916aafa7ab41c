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
Connector outlet(Outlet<T> Panel::*field) {
    return [field](Panel& panel, NSObject* object) { (panel.*field).connect(object); };
}

const std::map<std::string, Connector>& outletsByName() {
    static const std::map<std::string, Connector> outlets = {
        {"tabView", outlet(&Panel::tabView)},
        {"retentionCheckBox", outlet(&Panel::retentionCheckBox)},
        {"suspendBox", outlet(&Panel::suspendBox)},
        {"suspendMatrix", outlet(&Panel::suspendMatrix)},
        {"holdOnlyRadioButton", outlet(&Panel::holdOnlyRadioButton)},
        {"holdAfterRadioButton", outlet(&Panel::holdAfterRadioButton)},
        {"samplePrintRadioButton", outlet(&Panel::samplePrintRadioButton)},
        {"suspendKeyStaticText", outlet(&Panel::suspendKeyStaticText)},
        {"suspendKeyEditText", outlet(&Panel::suspendKeyEditText)},
        {"suspendKeyButton", outlet(&Panel::suspendKeyButton)},
        {"filingBox", outlet(&Panel::filingBox)},
        {"folderSelectionStaticText", outlet(&Panel::folderSelectionStaticText)},
        {"folderSelectionPopup", outlet(&Panel::folderSelectionPopup)},
        {"folderPasswordStaticText", outlet(&Panel::folderPasswordStaticText)},
        {"folderPasswordEditText", outlet(&Panel::folderPasswordEditText)},
        {"folderPasswordButton", outlet(&Panel::folderPasswordButton)},
        {"folderSelectionMatrix", outlet(&Panel::folderSelectionMatrix)},
        {"quickFileRadioButton", outlet(&Panel::quickFileRadioButton)},
        {"mainFolderRadioButton", outlet(&Panel::mainFolderRadioButton)},
        {"customFolderRadioButton", outlet(&Panel::customFolderRadioButton)},
        {"folderNameEditText", outlet(&Panel::folderNameEditText)},
        {"folderNameButton", outlet(&Panel::folderNameButton)},
        {"authenticationMatrix", outlet(&Panel::authenticationMatrix)},
        {"authenticationRadioButton", outlet(&Panel::authenticationRadioButton)},
        {"loginNameStaticText", outlet(&Panel::loginNameStaticText)},
        {"loginNameEditText", outlet(&Panel::loginNameEditText)},
        {"loginNameButton", outlet(&Panel::loginNameButton)},
        {"passwordStaticText", outlet(&Panel::passwordStaticText)},
        {"passwordEditText", outlet(&Panel::passwordEditText)},
        {"passwordButton", outlet(&Panel::passwordButton)},
        {"userNumberMatrix", outlet(&Panel::userNumberMatrix)},
        {"userNumberRadioButton", outlet(&Panel::userNumberRadioButton)},
        {"userNumberEditText", outlet(&Panel::userNumberEditText)},
        {"userNumberButton", outlet(&Panel::userNumberButton)},
        {"accountNumberStaticText", outlet(&Panel::accountNumberStaticText)},
        {"accountNumberEditText", outlet(&Panel::accountNumberEditText)},
        {"accountNumberButton", outlet(&Panel::accountNumberButton)},
        {"jobIDBox", outlet(&Panel::jobIDBox)},
        {"userNameStaticText", outlet(&Panel::userNameStaticText)},
        {"userNameEditText", outlet(&Panel::userNameEditText)},
        {"userNameButton", outlet(&Panel::userNameButton)},
        {"jobNameStaticText", outlet(&Panel::jobNameStaticText)},
        {"jobNameEditText", outlet(&Panel::jobNameEditText)},
        {"jobNameButton", outlet(&Panel::jobNameButton)},
        {"printersAddressStaticText", outlet(&Panel::printersAddressStaticText)},
        {"printersAddressEditText", outlet(&Panel::printersAddressEditText)},
        {"chasingArrow", outlet(&Panel::chasingArrow)},
        {"getFolderNameButton", outlet(&Panel::getFolderNameButton)},
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
    if (pdeBundle) panelView_ = pdeBundle->loadNibNamed(name, *this);
}

void NelvoPrintPdeZlm420kJC::loadSpaceImage() {
    if (!pdeBundle) return;
    if (const auto path = pdeBundle->pathForResource("space", "png"))
        spaceImage = NSImage::imageWithContentsOfFile(*path);
}
