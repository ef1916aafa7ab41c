// Reading the print settings and the remembered values back into the
// controls: the mapping of each key, the lock decisions and the defaults.
#include <gtest/gtest.h>

#include "platform/core/UserEnvironment.h"
#include "tests/support/ExchangeFixture.h"

namespace {

using namespace settings_keys;
using Reader = ExchangeTest;

// The three modes' digits are read back in FilterInterfaceGoldenTest.
TEST_F(Reader, AnUnknownRetentionDigitTurnsRetentionOff) {
    restoreWith(kJobSuspend, "3");
    restoreWith(kJobSuspend, "x");
    EXPECT_EQ(panel_->outlets.retentionCheckBox->state(), 0);
    EXPECT_EQ(panel_->outlets.suspendMatrix->selectedRow(), 0);
}

TEST_F(Reader, FilingNamesQuickFileACustomFolderOrTheMainFolder) {
    host_->settings.set(kJobSuspend, "1");  // hold after print, the one mode that goes with quick file
    const auto shown = [&] {
        return std::pair(panel_->outlets.folderSelectionPopup->indexOfSelectedItem(),
                         panel_->outlets.folderSelectionMatrix->selectedRow());
    };
    restoreWith(kFiling, "1");
    EXPECT_EQ(shown(), std::pair(0, 0));
    // A folder the list does not hold: menu on the main folder, radio on custom.
    host_->settings.set(kFolderPath, hexOf("Reports"));
    restoreWith(kFiling, "3");
    EXPECT_EQ(shown(), std::pair(1, 2));
    EXPECT_EQ(panel_->outlets.folderNameEditText->stringValue(), "Reports");
    restoreWith(kFiling, "0");
    EXPECT_EQ(panel_->outlets.folderSelectionMatrix->selectedRow(), 1);
}

TEST_F(Reader, ARememberedLockWithoutItsValueTakesTheJobsValueLockedAndALockedLoginNameIsKeptInClearAndMasked) {
    panel_->remembered.prefHoldButtonFlag = lock_bits::kUserNumber | lock_bits::kFolderPassCode | lock_bits::kLoginName;
    panel_->remembered.prefFolderPassStringRef = "";
    panel_->remembered.prefLoginNameStringRef = fixedKeyBase64("jdoe");
    host_->settings.set(kFolderPassword2, fixedKeyHex("999"));
    restoreWith(kUserNumber2, fixedKeyHex("87654321"));
    EXPECT_EQ(panel_->outlets.userNumberEditText->stringValue(), "87654321");
    EXPECT_EQ(panel_->outlets.folderPasswordEditText->stringValue(), "") << "an empty remembered value is a value";
    EXPECT_TRUE(panel_->outlets.userNumberButton->state() == 1 && panel_->outlets.folderPasswordButton->state() == 1);
    EXPECT_TRUE(panel_->outlets.loginNameButton->state() == 1 && panel_->loginNameLock.loginNameStringRef == "jdoe");
    EXPECT_EQ(panel_->outlets.loginNameEditText->stringValue(), "\u2022\u2022\u2022\u2022");
}

// Pieces joined are read back in RoundTripTest.
TEST_F(Reader, ASecondLoginNamePieceAloneIsIgnoredAndTheJobsLockComesOnOverTheEmptyField) {
    host_->settings.set("nelvo.print.PrintSettings.loginName12", fixedKeyBase64(std::string(200, 'L'), 13).substr(254));
    restoreWith(kHoldButton, "2");
    EXPECT_EQ(panel_->outlets.loginNameEditText->stringValue(), "");
    EXPECT_EQ(panel_->outlets.loginNameButton->state(), 1);
}

// An empty job name is read back as "Untitled" in RoundTripTest.
TEST_F(Reader, NamesDefaultToTheUserAndTheJob) {
    restoreWith(kUserName, "00");  // zero bytes are no name
    EXPECT_EQ(panel_->outlets.userNameEditText->stringValue(), NSFullUserName().value_or(""));
    host_->settings.setJobName(std::nullopt);
    restoreWith(kHoldButton, "16");
    EXPECT_EQ(panel_->outlets.jobNameEditText->stringValue(), "");
    restoreWith(kJobName, hexOf("Minutes"));
    EXPECT_EQ(panel_->outlets.jobNameEditText->stringValue(), "Minutes");
    EXPECT_EQ(panel_->outlets.jobNameButton->state(), 1);
}

}  // namespace
