// The one-time set-up of the panel's controls: localized texts, input
// filters, lock icons, the folder menu and the hidden progress indicator.
// Values, selections and enabled states stay as the view gives them until
// the stored settings are read.
#include <memory>

#include "controls/SystemIcon.h"
#include "controls/TextFields.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/NSProgressIndicator.h"
#include "platform/controls/TextFields.h"
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "settings/JobFields.h"

namespace {

using Panel = NelvoPrintPdeZlm420kJC;
using job_fields::InputFilter;
using job_fields::JobField;

// Only the first three tabs carry texts of the panel's own.
constexpr int kLocalizedTabs = 3;

template <class Titled>
void localizeTitle(const Panel& panel, const Outlet<Titled>& control) {
    if (const auto title = panel.localizedStringValue(control.get())) control->setTitle(*title);
}

void localizeText(const Panel& panel, const Outlet<NSTextField>& label) {
    if (const auto text = panel.localizedStringValue(label.get())) label->setStringValue(*text);
}

void localizeTabs(const Panel& panel) {
    if (!panel.outlets.tabView) return;
    for (int index = 0; index < kLocalizedTabs && index < panel.outlets.tabView->numberOfTabViewItems(); ++index) {
        NSTabViewItem* item = panel.outlets.tabView->tabViewItemAtIndex(index);
        if (const auto label = panel.localizedStringValue(item->label())) item->setLabel(*label);
    }
    panel.outlets.tabView->selectFirstTabViewItem();
}

// The field owns its filter from here on.
template <class CountingFilter>
void installCountingFilter(const Outlet<NSTextField>& field, uint64_t maximum) {
    auto filter = std::make_unique<CountingFilter>();
    filter->setFormat("##0");
    filter->SetmaxCharactersCount(maximum);
    field->cell().setFormatter(std::move(filter));
}

void installInputFilter(Panel& panel, const JobField& field) {
    const Outlet<NSTextField>& control = panel.outlets.*field.field;
    if (!control) return;
    switch (field.filter) {
        case InputFilter::digits: installCountingFilter<MyIntegerNumberFilter>(control, field.entryLimit); break;
        case InputFilter::roman: installCountingFilter<MyRomanFilter>(control, field.entryLimit); break;
        case InputFilter::loginName: {
            auto filter = std::make_unique<LoginnameInputFilter>();
            filter->setCallback(&panel);
            control->cell().setFormatter(std::move(filter));
            break;
        }
    }
}

// The open padlock while unlocked (state 0), the closed one while locked.
void giveLockIcons(const Panel& panel, const Outlet<NSButton>& lockButton) {
    lockButton->setImage(initWithSystemIconType(kUnlockedIconType, panel.context.pdeBundle.get()));
    lockButton->setAlternateImage(initWithSystemIconType(kLockedIconType, panel.context.pdeBundle.get()));
}

void setUpRetention(Panel& panel) {
    localizeTitle(panel, panel.outlets.retentionCheckBox);
    localizeTitle(panel, panel.outlets.suspendBox);
    localizeTitle(panel, panel.outlets.holdOnlyRadioButton);
    localizeTitle(panel, panel.outlets.holdAfterRadioButton);
    localizeTitle(panel, panel.outlets.samplePrintRadioButton);
    localizeText(panel, panel.outlets.suspendKeyStaticText);
}

void setUpFiling(Panel& panel) {
    localizeTitle(panel, panel.outlets.filingBox);
    localizeText(panel, panel.outlets.folderSelectionStaticText);
    panel.makeFolderPopup();
    localizeTitle(panel, panel.outlets.quickFileRadioButton);
    localizeTitle(panel, panel.outlets.mainFolderRadioButton);
    localizeTitle(panel, panel.outlets.customFolderRadioButton);
    localizeText(panel, panel.outlets.folderPasswordStaticText);
}

void setUpAuthentication(Panel& panel) {
    localizeTitle(panel, panel.outlets.authenticationRadioButton);
    localizeText(panel, panel.outlets.loginNameStaticText);
    localizeText(panel, panel.outlets.passwordStaticText);
    localizeTitle(panel, panel.outlets.userNumberRadioButton);
    localizeText(panel, panel.outlets.accountNumberStaticText);
}

void setUpJobIdentity(Panel& panel) {
    localizeTitle(panel, panel.outlets.jobIDBox);
    localizeText(panel, panel.outlets.userNameStaticText);
    localizeText(panel, panel.outlets.jobNameStaticText);
}

void setUpDeviceAddress(Panel& panel) {
    localizeText(panel, panel.outlets.printersAddressStaticText);
    if (panel.context.mfpURL) panel.outlets.printersAddressEditText->setStringValue(*panel.context.mfpURL);
    localizeTitle(panel, panel.outlets.getFolderNameButton);
}

// Each field's input filter and lock icons; no field's set-up touches
// another control, so their place among the texts does not matter.
void setUpFields(Panel& panel) {
    for (const JobField* field : job_fields::kFields) {
        installInputFilter(panel, *field);
        giveLockIcons(panel, panel.outlets.*field->lockButton);
    }
}

}  // namespace

void NelvoPrintPdeZlm420kJC::initializeUI() {
    PDEProlog(this, "--initializeUI:");
    // The dialog may show the panel before it asks for the view: a set-up
    // made without a view is made again, once, on the view loaded later.
    if (!progress.hasInited || (outlets.panelView && !progress.viewControlsSetUp)) {
        localizeTabs(*this);
        setUpRetention(*this);
        setUpFiling(*this);
        setUpAuthentication(*this);
        setUpJobIdentity(*this);
        setUpDeviceAddress(*this);
        setUpFields(*this);
        outlets.chasingArrow->setHidden(true);
        progress.hasInited = true;
        progress.viewControlsSetUp = outlets.panelView != nullptr;
    }
    PDEEpilog(this, "--initializeUI:=void");
}
