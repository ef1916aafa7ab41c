// The panel's operations for controls bound to PPD options: the marked or
// default choice of an option, filling a pop-up with an option's choices, and
// taking a user's selection through the host's constraint check. The PPD
// calls of CUPS are deprecated in favour of IPP Everywhere, but they are how
// a print dialog's panel reads its printer's options.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include <any>

#include "platform/controls/Buttons.h"
#include "platform/controls/Menus.h"
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "plugin/NelvoPrintPdeZlm420kJCPDEChoice.h"

namespace {

// The position of `choice` in the option's own array of choices, or -1 when
// it is not one of them.
int64_t positionInOption(const ppd_option_t* option, const ppd_choice_t* choice) {
    if (!option || !choice || choice < option->choices || choice >= option->choices + option->num_choices) return -1;
    return choice - option->choices;
}

// The wrapper that a menu item filled by InitPopUpFromArray carries.
std::shared_ptr<PDEChoice> wrapperOf(const NSMenuItem* item) {
    if (!item) return nullptr;
    const auto* wrapper = std::any_cast<std::shared_ptr<PDEChoice>>(&item->representedObject());
    return wrapper ? *wrapper : nullptr;
}

// Puts `candidate` into `selection`, unless the host checks constraints and
// refuses the change. Without a candidate (nothing selected, or an item or
// index that holds no wrapper) there is no choice to ask about, and the
// earlier selection stays.
void takeSelection(NelvoPrintPdeZlm420kJC& panel, std::shared_ptr<PDEChoice>& selection,
                   const std::shared_ptr<PDEChoice>& candidate, const std::string& key, const char* exitFormat) {
    PDELog(&panel, "selected request: %@", candidate.get());
    const bool refused = candidate && panel.context.useConstraintHandling && panel.context.pdePluginCallbackObject &&
                         !panel.context.pdePluginCallbackObject->willChangePPDOptionKeyValue(
                             key, candidate->ppdTitle().value_or(std::string()));
    if (candidate && !refused) selection = candidate;
    PDEEpilog(&panel, exitFormat, selection.get());
}

}  // namespace

int64_t NelvoPrintPdeZlm420kJC::indexOfMarkedOption(ppd_option_t* option, const char* key) {
    if (context.ppd && key) {
        if (const ppd_choice_t* marked = ppdFindMarkedChoice(context.ppd, key)) {
            const int64_t position = positionInOption(option, marked);
            if (position >= 0) return position;
        }
    }
    if (option) {
        if (const ppd_choice_t* fallback = ppdFindChoice(option, option->defchoice)) {
            const int64_t position = positionInOption(option, fallback);
            if (position >= 0) return position;
        }
    }
    PDELog(this, "returning a -1 index means there was no default choice");
    return -1;
}

void InitPopUpFromArray(NSPopUpButton* popUp, const PDEChoiceList& choices, NSStringEncoding encoding) {
    if (!popUp) return;
    NSMenu& menu = popUp->menu();
    menu.removeAllItems();
    for (const std::shared_ptr<PDEChoice>& choice : choices) {
        auto item = std::make_unique<NSMenuItem>(choice ? choice->userTitle(encoding).value_or(std::string()) : "", "");
        if (choice) item->setRepresentedObject(choice);
        menu.addItem(std::move(item));
    }
}

void NelvoPrintPdeZlm420kJC::getSelection(std::shared_ptr<PDEChoice>& selection, NSPopUpButton* popUp,
                                          const std::string& key) {
    PDEProlog(this, "getSelection:(%@) fromPopUp:(%@) forKey:(%@)", selection.get(), popUp, key);
    const NSPopUpButton& shown = popUp ? *popUp : NSPopUpButton::absent();
    const int index = shown.indexOfSelectedItem();
    PDELog(this, "selected index: %i", index);
    takeSelection(*this, selection, wrapperOf(shown.itemAtIndex(index)), key,
                  "getSelection:fromPopUp:forKey:=PDEChoice(%@)");
}

void NelvoPrintPdeZlm420kJC::getSelection(std::shared_ptr<PDEChoice>& selection, const PDEChoiceList& choices,
                                          NSButton* button, const std::string& key) {
    PDEProlog(this, "getSelection:(%@) fromButton:(%@) forKey:(%@)", selection.get(), button, key);
    const int index = button ? button->state() : 0;
    PDELog(this, "selected index: %i", index);
    const std::shared_ptr<PDEChoice> candidate =
        index >= 0 && static_cast<size_t>(index) < choices.size() ? choices[static_cast<size_t>(index)] : nullptr;
    takeSelection(*this, selection, candidate, key, "getSelection:fromChoices:fromButton:forKey:=PDEChoice(%@)");
}
