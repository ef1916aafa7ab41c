// Switching the authentication mode, the lock buttons that freeze their
// fields, and the login name's masking.
#include <gtest/gtest.h>

#include "tests/controls/PanelFixture.h"

namespace {

using Panel = NelvoPrintPdeZlm420kJC;
using Authentication = PanelTest;

TEST_F(Authentication, EachModeClearsTheOtherModesUnlockedFieldsAndFocusesItsFirstUsableField) {
    type(panel->loginNameEditText, "alice");
    type(panel->passwordEditText, "secret");
    click(panel->passwordButton);
    choose(panel->authenticationMatrix, 1);
    EXPECT_EQ(panel->loginNameEditText->stringValue(), "");
    EXPECT_EQ(panel->passwordEditText->stringValue(), "secret") << "locked";
    EXPECT_TRUE(dimmed(panel->loginNameStaticText) && dimmed(panel->passwordEditText));
    EXPECT_FALSE(panel->loginNameButton->isEnabled() || panel->passwordButton->isEnabled());
    EXPECT_EQ(focus(), panel->userNumberEditText.get());

    type(panel->userNumberEditText, "42");
    choose(panel->authenticationMatrix, 0);
    EXPECT_EQ(panel->userNumberEditText->stringValue(), "");
    EXPECT_EQ(focus(), panel->loginNameEditText.get()) << "the password is locked";
}

struct LockCase {
    const char* name;
    Outlet<NSTextField> Panel::*field;
    Outlet<NSButton> Panel::*lock;
    int filingRow;  // with retention on; -1: retention stays off
    int mode;
};

void PrintTo(const LockCase& lock, std::ostream* out) {
    *out << lock.name;
}

class LockButton : public PanelTest, public testing::WithParamInterface<LockCase> {};

TEST_P(LockButton, FreezesItsFieldAndUnlockingGivesItBackWithTheFocus) {
    const Outlet<NSTextField>& field = (*panel).*GetParam().field;
    const Outlet<NSButton>& button = (*panel).*GetParam().lock;
    if (GetParam().filingRow >= 0) click(panel->retentionCheckBox);
    if (GetParam().filingRow > 0) choose(panel->folderSelectionMatrix, GetParam().filingRow);
    choose(panel->authenticationMatrix, GetParam().mode);
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
    testing::Values(LockCase{"PassCode", &Panel::suspendKeyEditText, &Panel::suspendKeyButton, 0, 0},
                    LockCase{"FolderName", &Panel::folderNameEditText, &Panel::folderNameButton, 2, 0},
                    LockCase{"UserNumber", &Panel::userNumberEditText, &Panel::userNumberButton, -1, 1},
                    LockCase{"JobName", &Panel::jobNameEditText, &Panel::jobNameButton, -1, 0}),
    [](const testing::TestParamInfo<LockCase>& info) { return std::string(info.param.name); });

using LoginNameLock = PanelTest;

TEST_F(LoginNameLock, MasksOneBulletPerCodeUnitKeepsTheNameAndForgetsItWhenUnlocked) {
    type(panel->loginNameEditText, "J\u00F6rg\U0001F600");  // six UTF-16 code units
    click(panel->loginNameButton);
    const std::string sixBullets = "\u2022\u2022\u2022\u2022\u2022\u2022";
    EXPECT_EQ(panel->loginNameEditText->stringValue(), sixBullets);
    EXPECT_TRUE(panel->loginNameLockFlag && dimmed(panel->loginNameEditText));
    panel->loginNameButtonProc(nullptr);  // the mask is not taken for a name
    EXPECT_EQ(panel->loginNameEditText->stringValue(), sixBullets);
    EXPECT_EQ(panel->loginNameStringRef, "J\u00F6rg\U0001F600");

    click(panel->loginNameButton);
    EXPECT_EQ(panel->loginNameEditText->stringValue(), "");
    EXPECT_EQ(panel->loginNameStringRef, std::nullopt);
    EXPECT_FALSE(panel->loginNameLockFlag);
    EXPECT_EQ(focus(), panel->loginNameEditText.get());
}

}  // namespace
