// Switching the authentication mode, the lock buttons that freeze their
// fields, and the login name's masking.
#include <gtest/gtest.h>

#include "tests/controls/PanelFixture.h"

namespace {

using Panel = NelvoPrintPdeZlm420kJC;
using Authentication = PanelTest;

TEST_F(Authentication, EachModeClearsTheOtherModesUnlockedFieldsAndFocusesItsFirstUsableField) {
    type(panel->outlets.loginNameEditText, "alice");
    type(panel->outlets.passwordEditText, "secret");
    click(panel->outlets.passwordButton);
    choose(panel->outlets.authenticationMatrix, 1);
    EXPECT_EQ(panel->outlets.loginNameEditText->stringValue(), "");
    EXPECT_EQ(panel->outlets.passwordEditText->stringValue(), "secret") << "locked";
    EXPECT_TRUE(dimmed(panel->outlets.loginNameStaticText) && dimmed(panel->outlets.passwordEditText));
    EXPECT_FALSE(panel->outlets.loginNameButton->isEnabled() || panel->outlets.passwordButton->isEnabled());
    EXPECT_EQ(focus(), panel->outlets.userNumberEditText.get());

    type(panel->outlets.userNumberEditText, "42");
    choose(panel->outlets.authenticationMatrix, 0);
    EXPECT_EQ(panel->outlets.userNumberEditText->stringValue(), "");
    EXPECT_EQ(focus(), panel->outlets.loginNameEditText.get()) << "the password is locked";
}

struct LockCase {
    const char* name;
    Outlet<NSTextField> PanelOutlets::*field;
    Outlet<NSButton> PanelOutlets::*lock;
    int filingRow;  // with retention on; -1: retention stays off
    int mode;
};

void PrintTo(const LockCase& lock, std::ostream* out) {
    *out << lock.name;
}

class LockButton : public PanelTest, public testing::WithParamInterface<LockCase> {};

TEST_P(LockButton, FreezesItsFieldAndUnlockingGivesItBackWithTheFocus) {
    const Outlet<NSTextField>& field = panel->outlets.*GetParam().field;
    const Outlet<NSButton>& button = panel->outlets.*GetParam().lock;
    if (GetParam().filingRow >= 0) click(panel->outlets.retentionCheckBox);
    if (GetParam().filingRow > 0) choose(panel->outlets.folderSelectionMatrix, GetParam().filingRow);
    choose(panel->outlets.authenticationMatrix, GetParam().mode);
    type(field, "12");
    click(button);
    EXPECT_TRUE(dimmed(field));
    EXPECT_EQ(focus(), nullptr);
    EXPECT_EQ(field->userTypeText("3"), platform::UserResult::notEditable);
    EXPECT_TRUE(button->isEnabled()) << "a lock never disables itself";
    click(button);
    EXPECT_TRUE(usable(field));
    EXPECT_EQ(focus(), field.get());
    EXPECT_EQ(field->stringValue(), "12");
}

INSTANTIATE_TEST_SUITE_P(
    EachLockFamily, LockButton,
    testing::Values(LockCase{"PassCode", &PanelOutlets::suspendKeyEditText, &PanelOutlets::suspendKeyButton, 0, 0},
                    LockCase{"FolderName", &PanelOutlets::folderNameEditText, &PanelOutlets::folderNameButton, 2, 0},
                    LockCase{"UserNumber", &PanelOutlets::userNumberEditText, &PanelOutlets::userNumberButton, -1, 1},
                    LockCase{"JobName", &PanelOutlets::jobNameEditText, &PanelOutlets::jobNameButton, -1, 0}),
    [](const testing::TestParamInfo<LockCase>& info) { return std::string(info.param.name); });

using LoginNameLock = PanelTest;

TEST_F(LoginNameLock, MasksOneBulletPerCodeUnitKeepsTheNameAndForgetsItWhenUnlocked) {
    type(panel->outlets.loginNameEditText, "J\u00F6rg\U0001F600");  // six UTF-16 code units
    click(panel->outlets.loginNameButton);
    const std::string sixBullets = "\u2022\u2022\u2022\u2022\u2022\u2022";
    EXPECT_EQ(panel->outlets.loginNameEditText->stringValue(), sixBullets);
    EXPECT_TRUE(panel->loginNameLock.loginNameLockFlag && dimmed(panel->outlets.loginNameEditText));
    panel->loginNameButtonProc(nullptr);  // the mask is not taken for a name
    EXPECT_EQ(panel->outlets.loginNameEditText->stringValue(), sixBullets);
    EXPECT_EQ(panel->loginNameLock.loginNameStringRef, "J\u00F6rg\U0001F600");

    click(panel->outlets.loginNameButton);
    EXPECT_EQ(panel->outlets.loginNameEditText->stringValue(), "");
    EXPECT_EQ(panel->loginNameLock.loginNameStringRef, std::nullopt);
    EXPECT_FALSE(panel->loginNameLock.loginNameLockFlag);
    EXPECT_EQ(focus(), panel->outlets.loginNameEditText.get());
}

}  // namespace
