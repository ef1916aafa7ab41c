// The print-settings keys that a save leaves, for the main combinations of
// the controls: which keys are there and which are gone.
#include <gtest/gtest.h>

#include <set>

#include "tests/support/ExchangeFixture.h"
#include "tests/support/TestPanel.h"

namespace {

using namespace settings_keys;
using Keys = std::set<std::string>;

const Keys kKeysOfEverySave = {kSpoolTime, kFiling, kJobSuspend, kAuthentication, kHoldButton};

class KeyTable : public ExchangeTest {
protected:
    void SetUp() override {
        panel_->restoreValuesAndReturnError(nullptr);
        // The restore fills in the user's and the job's names.
        panel_->outlets.userNameEditText->setStringValue("");
        panel_->outlets.jobNameEditText->setStringValue("");
    }
    Keys savedKeys() {
        save();
        Keys keys;
        for (const auto& [key, value] : host_->settings.values())
            keys.insert(key);
        return keys;
    }
};

TEST_F(KeyTable, RetentionCarriesTheMainFolderItsModeDigitAndThePassCodeAndOffDropsThem) {
    panel_->outlets.retentionCheckBox->setState(1);
    panel_->outlets.suspendKeyEditText->setStringValue("123");
    for (const auto& [row, digit] : {std::pair{0, "2"}, std::pair{1, "1"}, std::pair{2, "3"}}) {
        panel_->outlets.suspendMatrix->selectCellAtRow(row, 0);
        Keys expected = kKeysOfEverySave;
        expected.insert({kFolderPath, kFolderPath2, kJobSuspendKey, kJobSuspend2Key});
        EXPECT_EQ(savedKeys(), expected);
        EXPECT_EQ(value(kJobSuspend), digit);
    }
    panel_->outlets.retentionCheckBox->setState(0);
    EXPECT_EQ(savedKeys(), kKeysOfEverySave);
}

TEST_F(KeyTable, MissingControlsRemoveTheirKeys) {
    panel_->outlets.retentionCheckBox->setState(1);
    save();
    panel_->outlets.folderSelectionPopup.reset();
    panel_->outlets.folderSelectionMatrix.reset();
    panel_->outlets.authenticationRadioButton.reset();
    panel_->outlets.suspendMatrix.reset();
    // Without filing controls the main folder still travels.
    EXPECT_EQ(savedKeys(), (Keys{kSpoolTime, kFolderPath, kFolderPath2, kHoldButton}));
}

TEST_F(KeyTable, EachLockButtonSetsItsOwnBit) {
    const std::pair<Outlet<NSButton> PanelOutlets::*, uint32_t> locks[] = {
        {&PanelOutlets::suspendKeyButton, 1},  {&PanelOutlets::loginNameButton, 2},
        {&PanelOutlets::passwordButton, 4},    {&PanelOutlets::userNameButton, 8},
        {&PanelOutlets::jobNameButton, 16},    {&PanelOutlets::folderPasswordButton, 32},
        {&PanelOutlets::userNumberButton, 64}, {&PanelOutlets::accountNumberButton, 128},
        {&PanelOutlets::folderNameButton, 256}};
    for (const auto& [button, bit] : locks) {
        (panel_->outlets.*button)->setState(1);
        save();
        EXPECT_EQ(value(kHoldButton), std::to_string(bit * 2 - 1));
    }
}

// The values' own keys are checked with their forms in ValueFormsTest.
TEST_F(KeyTable, AValueEmptiedLosesItsKeys) {
    const Outlet<NSTextField> PanelOutlets::*fields[] = {
        &PanelOutlets::loginNameEditText,     &PanelOutlets::passwordEditText, &PanelOutlets::userNumberEditText,
        &PanelOutlets::accountNumberEditText, &PanelOutlets::userNameEditText, &PanelOutlets::jobNameEditText,
        &PanelOutlets::folderPasswordEditText};
    for (auto field : fields)
        (panel_->outlets.*field)->setStringValue("7");
    save();
    for (auto field : fields)
        (panel_->outlets.*field)->setStringValue("");
    EXPECT_EQ(savedKeys(), kKeysOfEverySave);
}

TEST(KeyTableUnset, NothingIsWrittenBeforeTheControlsAreSetUpOrWithoutPrintSettings) {
    auto host = FakeHost::withSamplePPD();
    makePanel(host)->saveValuesAndReturnError(nullptr);
    host->givesPrintSettings = false;
    openPanel(host)->saveValuesAndReturnError(nullptr);
    EXPECT_TRUE(host->settings.values().empty());
}

}  // namespace
