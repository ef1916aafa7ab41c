// What the panel reports on the dialog's summary page: the retention choice,
// the folder and retention mode while retention is on, the user name and the
// job name, each under the label that the panel shows beside it.
#include <string_view>

#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/Menus.h"
#include "platform/controls/TextFields.h"
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

namespace {

// A label without the colons at either end ("User Name:" -> "User Name");
// colons inside it and every other character stay.
std::string withoutOuterColons(std::string_view label) {
    const size_t first = label.find_first_not_of(':');
    if (first == std::string_view::npos) return {};
    const size_t last = label.find_last_not_of(':');
    return std::string(label.substr(first, last - first + 1));
}

// The title of the selected item or cell; a menu or matrix with nothing
// selected shows no title, so the summary shows none either.
std::string selectedTitle(const NSPopUpButton& popUp) {
    const NSMenuItem* item = popUp.selectedItem();
    return item ? item->title() : std::string();
}

std::string selectedTitle(const NSMatrix& matrix) {
    const NSButtonCell* cell = matrix.selectedCell();
    return cell ? cell->title() : std::string();
}

}  // namespace

std::map<std::string, std::string> NelvoPrintPdeZlm420kJC::summaryInfo() {
    PDEProlog(this, "summaryInfo:");
    std::map<std::string, std::string> summary;
    if (!progress.hasInited) {
        PDEEpilog(this, "summaryInfo:");
        return summary;
    }

    const auto localized = [this](const std::string& key) {
        return context.pdeBundle ? context.pdeBundle->localizedStringForKey(key) : key;
    };
    if (outlets.retentionCheckBox) {
        if (outlets.retentionCheckBox->state() != 0) {
            summary[outlets.retentionCheckBox->title()] = localized("On");
            if (outlets.folderSelectionPopup)
                summary[withoutOuterColons(outlets.folderSelectionStaticText->stringValue())] =
                    selectedTitle(*outlets.folderSelectionPopup);
            if (outlets.suspendMatrix) summary[outlets.suspendBox->title()] = selectedTitle(*outlets.suspendMatrix);
        } else {
            summary[outlets.retentionCheckBox->title()] = localized("Off");
        }
    }
    if (outlets.userNameStaticText && outlets.userNameEditText)
        summary[withoutOuterColons(outlets.userNameStaticText->stringValue())] =
            outlets.userNameEditText->stringValue();
    if (outlets.jobNameStaticText && outlets.jobNameEditText)
        summary[withoutOuterColons(outlets.jobNameStaticText->stringValue())] = outlets.jobNameEditText->stringValue();

    PDEEpilog(this, "summaryInfo:");
    return summary;
}
