// Reading the print settings and the remembered values back into the
// controls: the mapping of each key, the lock decisions and the defaults.
#include <gtest/gtest.h>

#include "platform/core/UserEnvironment.h"
#include "tests/support/ExchangeFixture.h"

namespace {

using namespace settings_keys;
using Reader = ExchangeTest;

TEST_F(Reader, RetentionDigitsMapBackToTheirRows) {
    for (const auto& [digit, state, row] : {std::tuple{"1", 1, 1}, {"3", 1, 2}, {"x", 0, 0}}) {
        restoreWith(kJobSuspend, digit);
        EXPECT_EQ(panel_->retentionCheckBox->state(), state) << digit;
        EXPECT_EQ(panel_->suspendMatrix->selectedRow(), row) << digit;
    }
}

TEST_F(Reader, FilingNamesQuickFileACustomFolderOrTheMainFolder) {
    host_->settings.set(kJobSuspend, "1");  // hold after print, the one mode that goes with quick file
    const auto shown = [&] {
        return std::pair(panel_->folderSelectionPopup->indexOfSelectedItem(),
                         panel_->folderSelectionMatrix->selectedRow());
    };
    restoreWith(kFiling, "1");
    EXPECT_EQ(shown(), std::pair(0, 0));
    // A folder the list does not hold: menu on the main folder, radio on custom.
    host_->settings.set(kFolderPath, hexOf("Reports"));
    restoreWith(kFiling, "3");
    EXPECT_EQ(shown(), std::pair(1, 2));
    EXPECT_EQ(panel_->folderNameEditText->stringValue(), "Reports");
    restoreWith(kFiling, "0");
    EXPECT_EQ(panel_->folderSelectionMatrix->selectedRow(), 1);
}

TEST_F(Reader, ARememberedLockWithoutItsValueTakesTheJobsValueLockedAndALockedLoginNameIsKeptInClearAndMasked) {
    panel_->prefHoldButtonFlag = lock_bits::kUserNumber | lock_bits::kFolderPassCode | lock_bits::kLoginName;
    panel_->prefFolderPassStringRef = "";
    panel_->prefLoginNameStringRef = fixedKeyBase64("jdoe");
    host_->settings.set(kFolderPassword2, fixedKeyHex("999"));
    restoreWith(kUserNumber2, fixedKeyHex("87654321"));
    EXPECT_EQ(panel_->userNumberEditText->stringValue(), "87654321");
    EXPECT_EQ(panel_->folderPasswordEditText->stringValue(), "") << "an empty remembered value is a value";
    EXPECT_TRUE(panel_->userNumberButton->state() == 1 && panel_->folderPasswordButton->state() == 1);
    EXPECT_TRUE(panel_->loginNameButton->state() == 1 && panel_->loginNameStringRef == "jdoe");
    EXPECT_EQ(panel_->loginNameEditText->stringValue(), "\u2022\u2022\u2022\u2022");
}

// Pieces joined are read back in RoundTripTest.
TEST_F(Reader, ASecondLoginNamePieceAloneIsIgnoredAndTheJobsLockComesOnOverTheEmptyField) {
    host_->settings.set("nelvo.print.PrintSettings.loginName12", fixedKeyBase64(std::string(200, 'L'), 13).substr(254));
    restoreWith(kHoldButton, "2");
    EXPECT_EQ(panel_->loginNameEditText->stringValue(), "");
    EXPECT_EQ(panel_->loginNameButton->state(), 1);
}

// An empty job name is read back as "Untitled" in RoundTripTest.
TEST_F(Reader, NamesDefaultToTheUserAndTheJob) {
    restoreWith(kUserName, "00");  // zero bytes are no name
    EXPECT_EQ(panel_->userNameEditText->stringValue(), NSFullUserName().value_or(""));
    host_->settings.setJobName(std::nullopt);
    restoreWith(kHoldButton, "16");
    EXPECT_EQ(panel_->jobNameEditText->stringValue(), "");
    restoreWith(kJobName, hexOf("Minutes"));
    EXPECT_EQ(panel_->jobNameEditText->stringValue(), "Minutes");
    EXPECT_EQ(panel_->jobNameButton->state(), 1);
}

}  // namespace
