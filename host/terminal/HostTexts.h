// The print dialog's own texts (the panel brings its own): the key bar,
// the summary pane, hints and messages, in the locale's language from the
// dialog's catalogue.
#pragma once

#include <filesystem>
#include <string>

namespace host {

struct HostTexts {
    std::string saveKey, summaryKey, revealKey, jobChoicesKey, printKey, cancelKey, moveKey;
    std::string save, summary, reveal, jobChoices, print, cancel, move;
    std::string summaryTitle, summaryEmpty;
    std::string saved;
    // {0} and {1}: the columns and rows needed; {2} and {3}: those at hand.
    std::string tooSmall;
    std::string hintTabBar, hintCheckBox, hintLockButton, hintPushButton, hintMatrix, hintPopUp, hintField;
    std::string hintSecretField;  // a password or pass-code field
    std::string refusedDisabled, refusedNotEditable, refusedOther;
    // The box of copies, pages and two-sided.
    std::string jobChoicesTitle, copiesLabel, pagesLabel, pagesAll, twoSidedLabel;
    std::string twoSidedOff, twoSidedLongEdge, twoSidedShortEdge;
    std::string hintJobChoices;
    std::string badCopies;  // {0}: the largest number of copies
    std::string badPages;
};

// The texts translated through the catalogue "nelvo-print-dialog" under
// `localeDirectory` (<language>/LC_MESSAGES/nelvo-print-dialog.mo); English where
// it has no translation.
HostTexts loadHostTexts(const std::filesystem::path& localeDirectory);

// The untranslated texts.
HostTexts englishHostTexts();

}  // namespace host
