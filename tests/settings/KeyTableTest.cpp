// The print-settings keys that a save leaves, for the main combinations of
// the controls: which keys are there and which are gone.
#include <gtest/gtest.h>

#include <set>

#include "tests/support/ExchangeFixture.h"
#include "tests/support/TestPanel.h"

namespace {

using namespace settings_keys;
using Keys = std::set<std::string>;
using P = NelvoPrintPdeZlm420kJC;

const Keys kKeysOfEverySave = {kSpoolTime, kFiling, kJobSuspend, kAuthentication, kHoldButton};

class KeyTable : public ExchangeTest {
protected:
    void SetUp() override {
        panel_->restoreValuesAndReturnError(nullptr);
        // The restore fills in the user's and the job's names.
        panel_->userNameEditText->setStringValue("");
        panel_->jobNameEditText->setStringValue("");
    }
    Keys savedKeys() {
        save();
        Keys keys;
        for (const auto& [key, value] : host_->settings.values())
            keys.insert(key);
        return keys;
    }
};

TEST_F(KeyTable, AnEmptySaveLeavesOnlyTheKeysOfEverySave) {
    EXPECT_EQ(savedKeys(), kKeysOfEverySave);
    EXPECT_EQ(value(kSpoolTime), hexOf(kFixedSpoolTime));
    EXPECT_EQ(value(kFiling) + value(kJobSuspend) + value(kAuthentication) + value(kHoldButton), "0010");
}

TEST_F(KeyTable, RetentionCarriesTheMainFolderItsModeDigitAndThePassCodeAndOffDropsThem) {
    panel_->retentionCheckBox->setState(1);
    panel_->suspendKeyEditText->setStringValue("123");
    for (const auto& [row, digit] : {std::pair{0, "2"}, std::pair{1, "1"}, std::pair{2, "3"}}) {
        panel_->suspendMatrix->selectCellAtRow(row, 0);
        Keys expected = kKeysOfEverySave;
        expected.insert({kFolderPath, kFolderPath2, kJobSuspendKey, kJobSuspend2Key});
        EXPECT_EQ(savedKeys(), expected);
        EXPECT_EQ(value(kJobSuspend), digit);
    }
    EXPECT_EQ(value(kFolderPath) + value(kFolderPath2), hexOf("*standard") + hexOf("*standard"));
    panel_->retentionCheckBox->setState(0);
    EXPECT_EQ(savedKeys(), kKeysOfEverySave);
}

TEST_F(KeyTable, MissingControlsRemoveTheirKeys) {
    panel_->retentionCheckBox->setState(1);
    save();
    panel_->folderSelectionPopup.reset();
    panel_->folderSelectionMatrix.reset();
    panel_->authenticationRadioButton.reset();
    panel_->suspendMatrix.reset();
    // Without filing controls the main folder still travels.
    EXPECT_EQ(savedKeys(), (Keys{kSpoolTime, kFolderPath, kFolderPath2, kHoldButton}));
}

TEST_F(KeyTable, EachLockButtonSetsItsOwnBit) {
    const std::pair<Outlet<NSButton> P::*, uint32_t> locks[] = {
        {&P::suspendKeyButton, 1},  {&P::loginNameButton, 2},       {&P::passwordButton, 4},
        {&P::userNameButton, 8},    {&P::jobNameButton, 16},        {&P::folderPasswordButton, 32},
        {&P::userNumberButton, 64}, {&P::accountNumberButton, 128}, {&P::folderNameButton, 256}};
    for (const auto& [button, bit] : locks) {
        ((*panel_).*button)->setState(1);
        save();
        EXPECT_EQ(value(kHoldButton), std::to_string(bit * 2 - 1));
    }
}

// The values' own keys are checked with their forms in ValueFormsTest.
TEST_F(KeyTable, AValueEmptiedLosesItsKeys) {
    const Outlet<NSTextField> P::*fields[] = {&P::loginNameEditText,     &P::passwordEditText, &P::userNumberEditText,
                                              &P::accountNumberEditText, &P::userNameEditText, &P::jobNameEditText,
                                              &P::folderPasswordEditText};
    for (auto field : fields)
        ((*panel_).*field)->setStringValue("7");
    save();
    for (auto field : fields)
        ((*panel_).*field)->setStringValue("");
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
