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
    if (!hasInited) {
        PDEEpilog(this, "summaryInfo:");
        return summary;
    }

    const auto localized = [this](const std::string& key) {
        return pdeBundle ? pdeBundle->localizedStringForKey(key) : key;
    };
    if (retentionCheckBox) {
        if (retentionCheckBox->state() != 0) {
            summary[retentionCheckBox->title()] = localized("On");
            if (folderSelectionPopup)
                summary[withoutOuterColons(folderSelectionStaticText->stringValue())] =
                    selectedTitle(*folderSelectionPopup);
            if (suspendMatrix) summary[suspendBox->title()] = selectedTitle(*suspendMatrix);
        } else {
            summary[retentionCheckBox->title()] = localized("Off");
        }
    }
    if (userNameStaticText && userNameEditText)
        summary[withoutOuterColons(userNameStaticText->stringValue())] = userNameEditText->stringValue();
    if (jobNameStaticText && jobNameEditText)
        summary[withoutOuterColons(jobNameStaticText->stringValue())] = jobNameEditText->stringValue();

    PDEEpilog(this, "summaryInfo:");
    return summary;
}
