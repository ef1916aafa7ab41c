// Switching the authentication mode, the lock buttons that freeze their
// fields, and the login name's masking.
#include <gtest/gtest.h>

#include <functional>

#include "tests/controls/PanelFixture.h"

namespace {

using Panel = NelvoPrintPdeZlm420kJC;
using Authentication = PanelTest;

TEST_F(Authentication, UserNumberModeClearsTheUnlockedLoginFieldsAndFocusesTheUserNumber) {
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
    click(panel->userNumberButton);
    choose(panel->authenticationMatrix, 0);
    EXPECT_EQ(panel->userNumberEditText->stringValue(), "42") << "locked";
    EXPECT_FALSE(panel->userNumberButton->isEnabled());
    choose(panel->authenticationMatrix, 1);
    EXPECT_EQ(focus(), nullptr) << "a frozen user-number field takes no focus";
}

TEST_F(Authentication, LoginModeClearsTheUserNumberAndFocusesTheFirstUsableLoginField) {
    choose(panel->authenticationMatrix, 1);
    type(panel->userNumberEditText, "42");
    choose(panel->authenticationMatrix, 0);
    EXPECT_EQ(panel->userNumberEditText->stringValue(), "");
    EXPECT_EQ(focus(), panel->loginNameEditText.get());

    click(panel->loginNameButton);
    choose(panel->authenticationMatrix, 1);
    choose(panel->authenticationMatrix, 0);
    EXPECT_EQ(focus(), panel->passwordEditText.get());

    click(panel->passwordButton);
    choose(panel->authenticationMatrix, 1);
    choose(panel->authenticationMatrix, 0);
    EXPECT_EQ(focus(), nullptr) << "where the rules left it";
}

struct LockCase {
    const char* name;
    Outlet<NSTextField> Panel::*field;
    Outlet<NSButton> Panel::*lock;
    std::function<void(Panel&)> activate;  // makes the field's group usable
};

void PrintTo(const LockCase& lock, std::ostream* out) { *out << lock.name; }

void retentionOn(Panel& panel) { panel.retentionCheckBox->performClick(); }
void customFolder(Panel& panel) {
    retentionOn(panel);
    panel.folderSelectionMatrix->userSelectCellAtRow(2);
}
void userNumberMode(Panel& panel) { panel.authenticationMatrix->userSelectCellAtRow(1); }
void nothing(Panel&) {}

class LockButton : public PanelTest, public testing::WithParamInterface<LockCase> {};

TEST_P(LockButton, FreezesItsFieldAndUnlockingGivesItBackWithTheFocus) {
    const Outlet<NSTextField>& field = (*panel).*GetParam().field;
    const Outlet<NSButton>& button = (*panel).*GetParam().lock;
    GetParam().activate(*panel);
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
    EachLock, LockButton,
    testing::Values(LockCase{"PassCode", &Panel::suspendKeyEditText, &Panel::suspendKeyButton, retentionOn},
                    LockCase{"FolderPassCode", &Panel::folderPasswordEditText, &Panel::folderPasswordButton, customFolder},
                    LockCase{"FolderName", &Panel::folderNameEditText, &Panel::folderNameButton, customFolder},
                    LockCase{"Password", &Panel::passwordEditText, &Panel::passwordButton, nothing},
                    LockCase{"UserNumber", &Panel::userNumberEditText, &Panel::userNumberButton, userNumberMode},
                    LockCase{"AccountNumber", &Panel::accountNumberEditText, &Panel::accountNumberButton, nothing},
                    LockCase{"UserName", &Panel::userNameEditText, &Panel::userNameButton, nothing},
                    LockCase{"JobName", &Panel::jobNameEditText, &Panel::jobNameButton, nothing}),
    [](const testing::TestParamInfo<LockCase>& info) { return std::string(info.param.name); });

using LoginNameLock = PanelTest;

TEST_F(LoginNameLock, MasksOneBulletPerCodeUnitKeepsTheNameAndForgetsItWhenUnlocked) {
    click(panel->loginNameButton);  // an empty name: nothing to mask, but kept and flagged
    EXPECT_EQ(panel->loginNameStringRef, "");
    EXPECT_TRUE(panel->loginNameLockFlag);
    click(panel->loginNameButton);

    type(panel->loginNameEditText, "J\u00F6rg\U0001F600");  // six UTF-16 code units
    click(panel->loginNameButton);
    const std::string sixBullets = "\u2022\u2022\u2022\u2022\u2022\u2022";
    EXPECT_EQ(panel->loginNameEditText->stringValue(), sixBullets);
    EXPECT_EQ(panel->loginNameStringRef, "J\u00F6rg\U0001F600");
    EXPECT_TRUE(panel->loginNameLockFlag);
    EXPECT_TRUE(dimmed(panel->loginNameEditText));

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
