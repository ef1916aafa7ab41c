// Reading the print settings and the remembered values back into the
// controls: the mapping of each key, the lock decisions and the defaults.
#include <gtest/gtest.h>

#include "platform/controls/NSButton.h"
#include "platform/controls/NSMatrix.h"
#include "platform/controls/NSPopUpButton.h"
#include "platform/controls/NSTextField.h"
#include "platform/core/UserEnvironment.h"
#include "settings/SettingsKeys.h"
#include "tests/settings_exchange/ExchangeFixture.h"

namespace {

using namespace settings_keys;

class Reader : public testing::Test {
protected:
    void restoreWith(const std::string& key, const std::string& value) {
        host_->settings.set(key, value);
        panel_->restoreValuesAndReturnError(nullptr);
    }

    std::shared_ptr<FakeHost> host_ = FakeHost::withSamplePPD();
    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel_ = openPanel(host_);
};

TEST_F(Reader, RetentionDigitsMapBackToTheirRows) {
    const std::tuple<const char*, int, int> cases[] = {{"1", 1, 1}, {"3", 1, 2}, {"x", 0, 0}};
    for (const auto& [digit, state, row] : cases) {
        restoreWith(kJobSuspend, digit);
        EXPECT_EQ(panel_->retentionCheckBox->state(), state) << digit;
        EXPECT_EQ(panel_->suspendMatrix->selectedRow(), row) << digit;
    }
}

TEST_F(Reader, FilingNamesQuickFileACustomFolderOrTheMainFolder) {
    host_->settings.set(kJobSuspend, "1");  // hold after print, the one mode that goes with quick file
    restoreWith(kFiling, "1");
    EXPECT_TRUE(panel_->folderSelectionPopup->indexOfSelectedItem() == 0 && panel_->folderSelectionMatrix->selectedRow() == 0);

    // A folder the list does not hold: menu on the main folder, radio on custom.
    host_->settings.set(kFolderPath, hexOf("Reports"));
    restoreWith(kFiling, "3");
    EXPECT_EQ(panel_->folderSelectionPopup->indexOfSelectedItem(), 1);
    EXPECT_EQ(panel_->folderSelectionMatrix->selectedRow(), 2);
    EXPECT_EQ(panel_->folderNameEditText->stringValue(), "Reports");

    restoreWith(kFiling, "0");
    EXPECT_EQ(panel_->folderSelectionMatrix->selectedRow(), 1);
}

TEST_F(Reader, ARememberedLockWithoutItsValueTakesTheJobsValueLocked) {
    panel_->prefHoldButtonFlag = lock_bits::kUserNumber | lock_bits::kFolderPassCode;
    panel_->prefFolderPassStringRef = "";
    host_->settings.set(kFolderPassword2, fixedKeyHex("999"));
    restoreWith(kUserNumber2, fixedKeyHex("87654321"));
    EXPECT_EQ(panel_->userNumberEditText->stringValue(), "87654321");
    EXPECT_EQ(panel_->folderPasswordEditText->stringValue(), "") << "an empty remembered value is a value";
    EXPECT_TRUE(panel_->userNumberButton->state() == 1 && panel_->folderPasswordButton->state() == 1);
}

TEST_F(Reader, ACodeTooLongForItsFieldIsDropped) {
    host_->settings.set(kJobSuspend, "2");
    restoreWith(kJobSuspend2Key, fixedKeyHex("123456"));
    EXPECT_EQ(panel_->suspendKeyEditText->stringValue(), "");
}

// Pieces joined are read back in RoundTripTest.
TEST_F(Reader, ASecondLoginNamePieceAloneIsIgnored) {
    const std::string stored = referenceBase64Of(referenceCipher(std::string(200, 'L'), fixedKey(), 13));
    host_->settings.set("nelvo.print.PrintSettings.loginName12", stored.substr(254));
    restoreWith(kHoldButton, "2");
    EXPECT_EQ(panel_->loginNameEditText->stringValue(), "");
    // The job's lock comes on over the empty field.
    EXPECT_EQ(panel_->loginNameButton->state(), 1);
}

TEST_F(Reader, ALockedLoginNameIsKeptInClearAndMasked) {
    panel_->prefHoldButtonFlag = lock_bits::kLoginName;
    panel_->prefLoginNameStringRef = referenceBase64Of(referenceCipher("jdoe", fixedKey(), 1));
    panel_->restoreValuesAndReturnError(nullptr);
    EXPECT_EQ(panel_->loginNameButton->state(), 1);
    EXPECT_EQ(panel_->loginNameStringRef, "jdoe");
    EXPECT_EQ(panel_->loginNameEditText->stringValue(), "\u2022\u2022\u2022\u2022");
}

TEST_F(Reader, NamesDefaultToTheUserAndTheJob) {
    restoreWith(kUserName, "00");  // zero bytes are no name
    EXPECT_EQ(panel_->userNameEditText->stringValue(), NSFullUserName().value_or(""));
    EXPECT_EQ(panel_->jobNameEditText->stringValue(), "Untitled");
    host_->settings.setJobName(std::nullopt);
    restoreWith(kHoldButton, "16");
    EXPECT_EQ(panel_->jobNameEditText->stringValue(), "");
    restoreWith(kJobName, hexOf("Minutes"));
    EXPECT_EQ(panel_->jobNameEditText->stringValue(), "Minutes");
    EXPECT_EQ(panel_->jobNameButton->state(), 1);
}

}  // namespace
