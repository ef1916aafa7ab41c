#include "host/terminal/HostTexts.h"

#include <libintl.h>

namespace host {

namespace {

constexpr const char* kTextDomain = "nelvo-print-dialog";

template <class Translate>
HostTexts makeTexts(Translate translate) {
    HostTexts texts;
    texts.saveKey = "F2";
    texts.summaryKey = "F3";
    texts.revealKey = "F4";
    texts.jobChoicesKey = "F5";
    texts.printKey = "F10";
    texts.cancelKey = "Esc";
    texts.moveKey = "Tab";
    texts.save = translate("Save");
    texts.summary = translate("Summary");
    texts.reveal = translate("Reveal");
    texts.jobChoices = translate("Copies");
    texts.print = translate("Print");
    texts.cancel = translate("Cancel");
    texts.move = translate("Next");
    texts.summaryTitle = translate("Summary");
    texts.summaryEmpty = translate("Nothing to show.");
    texts.saved = translate("The settings are saved in the job.");
    texts.tooSmall = translate("The dialog needs a terminal of {0} by {1}; this one is {2} by {3}.");
    texts.hintTabBar = translate("Left and Right switch the tab.");
    texts.hintCheckBox = translate("Space switches it on or off.");
    texts.hintLockButton = translate("Space locks or unlocks the field.");
    texts.hintPushButton = translate("Space or Enter presses the button.");
    texts.hintMatrix = translate("Up and Down move, Space chooses.");
    texts.hintPopUp = translate("Space or Down opens the menu.");
    texts.hintField = translate("Type to edit; Backspace/Delete delete a character, Ctrl-U clears the field.");
    texts.hintSecretField = translate("Type to edit; F4 or Ctrl-R shows or hides the text; Ctrl-U clears the field.");
    texts.refusedDisabled = translate("That control is not available now.");
    texts.refusedNotEditable = translate("That field cannot be edited now.");
    texts.refusedOther = translate("That cannot be chosen.");
    texts.jobChoicesTitle = translate("Copies and Pages");
    texts.copiesLabel = translate("Copies:");
    texts.pagesLabel = translate("Pages:");
    texts.pagesAll = translate("empty: all");
    texts.twoSidedLabel = translate("Two-sided:");
    texts.twoSidedOff = translate("Off");
    texts.twoSidedLongEdge = translate("Long edge");
    texts.twoSidedShortEdge = translate("Short edge");
    texts.hintJobChoices = translate("Tab moves, Left/Right change, Enter closes.");
    texts.badCopies = translate("Copies must be a whole number from 1 to {0}.");
    texts.badPages = translate("Pages must be numbers or ranges such as 1-3,5, each from low to high.");
    return texts;
}

}  // namespace

HostTexts loadHostTexts(const std::filesystem::path& localeDirectory) {
    bindtextdomain(kTextDomain, localeDirectory.c_str());
    bind_textdomain_codeset(kTextDomain, "UTF-8");
    return makeTexts([](const char* text) { return std::string(dgettext(kTextDomain, text)); });
}

HostTexts englishHostTexts() {
    return makeTexts([](const char* text) { return std::string(text); });
}

}  // namespace host
