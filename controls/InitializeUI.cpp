// The one-time set-up of the panel's controls: localized texts, input
// filters, lock icons, the folder menu and the hidden progress indicator.
// Values, selections and enabled states stay as the view gives them until
// the stored settings are read.
#include <memory>

#include "controls/LoginnameInputFilter.h"
#include "controls/MyIntegerNumberFilter.h"
#include "controls/MyRomanFilter.h"
#include "controls/SystemIcon.h"
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
    if (!panel.tabView) return;
    for (int index = 0; index < kLocalizedTabs && index < panel.tabView->numberOfTabViewItems(); ++index) {
        NSTabViewItem* item = panel.tabView->tabViewItemAtIndex(index);
        if (const auto label = panel.localizedStringValue(item->label())) item->setLabel(*label);
    }
    panel.tabView->selectFirstTabViewItem();
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
    const Outlet<NSTextField>& control = panel.*field.field;
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
    lockButton->setImage(initWithSystemIconType(kUnlockedIconType, panel.pdeBundle.get()));
    lockButton->setAlternateImage(initWithSystemIconType(kLockedIconType, panel.pdeBundle.get()));
}

void setUpRetention(Panel& panel) {
    localizeTitle(panel, panel.retentionCheckBox);
    localizeTitle(panel, panel.suspendBox);
    localizeTitle(panel, panel.holdOnlyRadioButton);
    localizeTitle(panel, panel.holdAfterRadioButton);
    localizeTitle(panel, panel.samplePrintRadioButton);
    localizeText(panel, panel.suspendKeyStaticText);
}

void setUpFiling(Panel& panel) {
    localizeTitle(panel, panel.filingBox);
    localizeText(panel, panel.folderSelectionStaticText);
    panel.makeFolderPopup();
    localizeTitle(panel, panel.quickFileRadioButton);
    localizeTitle(panel, panel.mainFolderRadioButton);
    localizeTitle(panel, panel.customFolderRadioButton);
    localizeText(panel, panel.folderPasswordStaticText);
}

void setUpAuthentication(Panel& panel) {
    localizeTitle(panel, panel.authenticationRadioButton);
    localizeText(panel, panel.loginNameStaticText);
    localizeText(panel, panel.passwordStaticText);
    localizeTitle(panel, panel.userNumberRadioButton);
    localizeText(panel, panel.accountNumberStaticText);
}

void setUpJobIdentity(Panel& panel) {
    localizeTitle(panel, panel.jobIDBox);
    localizeText(panel, panel.userNameStaticText);
    localizeText(panel, panel.jobNameStaticText);
}

void setUpDeviceAddress(Panel& panel) {
    localizeText(panel, panel.printersAddressStaticText);
    if (panel.mfpURL) panel.printersAddressEditText->setStringValue(*panel.mfpURL);
    localizeTitle(panel, panel.getFolderNameButton);
}

// Each field's input filter and lock icons; no field's set-up touches
// another control, so their place among the texts does not matter.
void setUpFields(Panel& panel) {
    for (const JobField* field : job_fields::kFields) {
        installInputFilter(panel, *field);
        giveLockIcons(panel, panel.*field->lockButton);
    }
}

}  // namespace

void NelvoPrintPdeZlm420kJC::initializeUI() {
    PDEProlog(this, "--initializeUI:");
    // The dialog may show the panel before it asks for the view: a set-up
    // made without a view is made again, once, on the view loaded later.
    if (!hasInited || (panelView_ && !viewControlsSetUp)) {
        localizeTabs(*this);
        setUpRetention(*this);
        setUpFiling(*this);
        setUpAuthentication(*this);
        setUpJobIdentity(*this);
        setUpDeviceAddress(*this);
        setUpFields(*this);
        chasingArrow->setHidden(true);
        hasInited = true;
        viewControlsSetUp = panelView_ != nullptr;
    }
    PDEEpilog(this, "--initializeUI:=void");
}
