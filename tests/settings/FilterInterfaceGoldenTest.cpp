// The interface to the printer's filter, pinned: what a save at a fixed
// instant and zone leaves in the print settings, written out here as literal
// key=value listings (never built from the code's own key names), and what
// the next dialog reads back from each listing.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/ExchangeFixture.h"

namespace {

// Every key of the job, sorted, one "key=value" a line.
std::string listing(const FakeHost& host) {
    std::ostringstream lines;
    for (const auto& [key, value] : host.settings.values())
        lines << key << '=' << value << '\n';
    return lines.str();
}

class FilterInterface : public ExchangeTest {
protected:
    void SetUp() override {
        if (!utf8_.selected()) GTEST_SKIP() << "no C.UTF-8 locale";
        panel_->restoreValuesAndReturnError(nullptr);
        panel_->outlets.userNameEditText->setStringValue("Alice");
        panel_->outlets.jobNameEditText->setStringValue("Report");
    }
    void lock(Outlet<NSButton> PanelOutlets::*button) { (panel_->outlets.*button)->setState(1); }
    // The saved listing, after which a new dialog for the same job is opened
    // on it and restored.
    std::string saveAndReopen() {
        save();
        const std::string saved = listing(*host_);
        next_ = openPanel(host_);
        next_->restoreValuesAndReturnError(nullptr);
        return saved;
    }

    const ScopedLocale utf8_{LC_CTYPE, "C.UTF-8"};
    std::shared_ptr<NelvoPrintPdeZlm420kJC> next_;
};

TEST_F(FilterInterface, TypicalPrintHeldWithALockedPassCode) {
    panel_->outlets.retentionCheckBox->setState(1);
    panel_->outlets.suspendMatrix->selectCellAtRow(0, 0);
    panel_->outlets.suspendKeyEditText->setStringValue("123");
    lock(&PanelOutlets::suspendKeyButton);
    EXPECT_EQ(saveAndReopen(), R"(nelvo.print.PrintSettings.Authentication=1
nelvo.print.PrintSettings.filing=0
nelvo.print.PrintSettings.folderPath=2A7374616E64617264
nelvo.print.PrintSettings.folderPath2=2A7374616E64617264
nelvo.print.PrintSettings.holdButton=1
nelvo.print.PrintSettings.jobName=5265706F7274
nelvo.print.PrintSettings.jobName2=5265706F7274
nelvo.print.PrintSettings.jobSuspend=2
nelvo.print.PrintSettings.jobSuspend2Key=A0279B07E1848F832A2D466A80ABCDCC
nelvo.print.PrintSettings.jobSuspendKey=8c2075f346f0ece021fe63707ce74204
nelvo.print.PrintSettings.spoolTime=5361742C20352044656320323032362030353A31313A3039202B30393030
nelvo.print.PrintSettings.userName=416C696365
nelvo.print.PrintSettings.userName2=416C696365
)");
    EXPECT_EQ(next_->outlets.retentionCheckBox->state(), 1);
    EXPECT_EQ(next_->outlets.suspendMatrix->selectedRow(), 0);
    EXPECT_EQ(next_->outlets.suspendKeyEditText->stringValue(), "123");
    EXPECT_EQ(next_->outlets.suspendKeyButton->state(), 1);
    EXPECT_EQ(next_->outlets.userNameEditText->stringValue(), "Alice");
    EXPECT_EQ(next_->outlets.jobNameEditText->stringValue(), "Report");
}

TEST_F(FilterInterface, LoginNameAndPasswordWithAnAccountNumberLocked) {
    panel_->outlets.authenticationMatrix->selectCellAtRow(0, 0);
    panel_->outlets.loginNameEditText->setStringValue("jsmith");
    panel_->outlets.passwordEditText->setStringValue("s3cret!");
    panel_->outlets.accountNumberEditText->setStringValue("42");
    lock(&PanelOutlets::passwordButton);
    lock(&PanelOutlets::accountNumberButton);
    EXPECT_EQ(saveAndReopen(), R"(nelvo.print.PrintSettings.Authentication=1
nelvo.print.PrintSettings.accountNumber=00042
nelvo.print.PrintSettings.accountNumber2=F9C46671104F199A7AF11C72E2BD4B36
nelvo.print.PrintSettings.filing=0
nelvo.print.PrintSettings.holdButton=132
nelvo.print.PrintSettings.jobName=5265706F7274
nelvo.print.PrintSettings.jobName2=5265706F7274
nelvo.print.PrintSettings.jobSuspend=0
nelvo.print.PrintSettings.loginName01=s8jpc5z/mNXR3b/NGbuYnA==
nelvo.print.PrintSettings.loginName11=MBQdLFrU+z0aTZLoUbXGOA==
nelvo.print.PrintSettings.password=VHaH8VDPF/w23O8ivKfZdw==
nelvo.print.PrintSettings.password2=5F4086F126FEB837D10EF25375ADB01500000000000000000000000000000000
nelvo.print.PrintSettings.spoolTime=5361742C20352044656320323032362030353A31313A3039202B30393030
nelvo.print.PrintSettings.userName=416C696365
nelvo.print.PrintSettings.userName2=416C696365
)");
    EXPECT_EQ(next_->outlets.authenticationMatrix->selectedRow(), 0);
    EXPECT_EQ(next_->outlets.loginNameEditText->stringValue(), "jsmith");
    EXPECT_EQ(next_->outlets.passwordEditText->stringValue(), "s3cret!");
    EXPECT_EQ(next_->outlets.accountNumberEditText->stringValue(), "42");
    EXPECT_EQ(next_->outlets.passwordButton->state() + next_->outlets.accountNumberButton->state(), 2);
}

TEST_F(FilterInterface, UserNumberWithAFolderPassCodeAndEveryLockOn) {
    panel_->outlets.retentionCheckBox->setState(1);
    panel_->outlets.suspendMatrix->selectCellAtRow(2, 0);
    panel_->outlets.suspendKeyEditText->setStringValue("7");
    panel_->outlets.authenticationMatrix->selectCellAtRow(1, 0);
    panel_->outlets.userNumberEditText->setStringValue("12345");
    panel_->outlets.accountNumberEditText->setStringValue("9");
    panel_->outlets.folderPasswordEditText->setStringValue("4321");
    for (auto button :
         {&PanelOutlets::suspendKeyButton, &PanelOutlets::loginNameButton, &PanelOutlets::passwordButton,
          &PanelOutlets::userNameButton, &PanelOutlets::jobNameButton, &PanelOutlets::folderPasswordButton,
          &PanelOutlets::userNumberButton, &PanelOutlets::accountNumberButton, &PanelOutlets::folderNameButton})
        lock(button);
    EXPECT_EQ(saveAndReopen(), R"(nelvo.print.PrintSettings.Authentication=0
nelvo.print.PrintSettings.accountNumber=00009
nelvo.print.PrintSettings.accountNumber2=16D701BAFD38725201DB0476F8EC1613
nelvo.print.PrintSettings.filing=0
nelvo.print.PrintSettings.folderPassword=c944f0210a005881ed897e49d5692a70
nelvo.print.PrintSettings.folderPassword2=433CF18A416338442BE34C87642E89BB
nelvo.print.PrintSettings.folderPath=2A7374616E64617264
nelvo.print.PrintSettings.folderPath2=2A7374616E64617264
nelvo.print.PrintSettings.holdButton=511
nelvo.print.PrintSettings.jobName=5265706F7274
nelvo.print.PrintSettings.jobName2=5265706F7274
nelvo.print.PrintSettings.jobSuspend=3
nelvo.print.PrintSettings.jobSuspend2Key=D37554E1EE2D04AB052B7B6ABF32B978
nelvo.print.PrintSettings.jobSuspendKey=82a5cea536d1d8ee2aab8330b48ab8a3
nelvo.print.PrintSettings.spoolTime=5361742C20352044656320323032362030353A31313A3039202B30393030
nelvo.print.PrintSettings.userName=416C696365
nelvo.print.PrintSettings.userName2=416C696365
nelvo.print.PrintSettings.userNumber=12345
nelvo.print.PrintSettings.userNumber2=2DCA75267A416979FFA25667B3123986
)");
    EXPECT_EQ(next_->outlets.suspendMatrix->selectedRow(), 2);
    EXPECT_EQ(next_->outlets.suspendKeyEditText->stringValue(), "7");
    EXPECT_EQ(next_->outlets.authenticationMatrix->selectedRow(), 1);
    EXPECT_EQ(next_->outlets.userNumberEditText->stringValue(), "12345");
    EXPECT_EQ(next_->outlets.accountNumberEditText->stringValue(), "9");
    EXPECT_EQ(next_->outlets.folderPasswordEditText->stringValue(), "4321");
    EXPECT_EQ(next_->outlets.folderNameButton->state(), 1);
}

TEST_F(FilterInterface, ALongLoginNameTravelsInPiecesOf254) {
    panel_->outlets.loginNameEditText->setStringValue(std::string(200, 'L'));
    EXPECT_EQ(saveAndReopen(), R"(nelvo.print.PrintSettings.Authentication=1
nelvo.print.PrintSettings.filing=0
nelvo.print.PrintSettings.holdButton=0
nelvo.print.PrintSettings.jobName=5265706F7274
nelvo.print.PrintSettings.jobName2=5265706F7274
nelvo.print.PrintSettings.jobSuspend=0
nelvo.print.PrintSettings.loginName01=0QXwy/SDjwBxAUlcKl4E8NEF8Mv0g48AcQFJXCpeBPDRBfDL9IOPAHEBSVwqXgTw0QXwy/SDjwBxAUlcKl4E8NEF8Mv0g48AcQFJXCpeBPDRBfDL9IOPAHEBSVwqXgTw0QXwy/SDjwBxAUlcKl4E8NEF8Mv0g48AcQFJXCpeBPDRBfDL9IOPAHEBSVwqXgTw0QXwy/SDjwBxAUlcKl4E8NEF8Mv0g48AcQFJXCpeBPDRBfDL9IOPAHEBSVwqXg
nelvo.print.PrintSettings.loginName02=Tw+ODP3ZDsB0PNTN+tLlAMFw==
nelvo.print.PrintSettings.loginName11=k3G9cClL7K5C35uGXH/YAJNxvXApS+yuQt+bhlx/2ACTcb1wKUvsrkLfm4Zcf9gAk3G9cClL7K5C35uGXH/YAJNxvXApS+yuQt+bhlx/2ACTcb1wKUvsrkLfm4Zcf9gAk3G9cClL7K5C35uGXH/YAJNxvXApS+yuQt+bhlx/2ACTcb1wKUvsrkLfm4Zcf9gAk3G9cClL7K5C35uGXH/YAJNxvXApS+yuQt+bhlx/2ACTcb1wKUvsrkLfm4Zcf9
nelvo.print.PrintSettings.loginName12=gAvPfcPRS1vC2+vj11V6xusA==
nelvo.print.PrintSettings.spoolTime=5361742C20352044656320323032362030353A31313A3039202B30393030
nelvo.print.PrintSettings.userName=416C696365
nelvo.print.PrintSettings.userName2=416C696365
)");
    EXPECT_EQ(next_->outlets.loginNameEditText->stringValue(), std::string(200, 'L'));
}

TEST_F(FilterInterface, RetentionDigitsReadBackAsTheirModes) {
    for (const auto& [digit, row] : {std::pair{"2", 0}, {"1", 1}, {"3", 2}}) {
        host_->settings.set("nelvo.print.PrintSettings.jobSuspend", digit);
        panel_->restoreValuesAndReturnError(nullptr);
        EXPECT_EQ(panel_->outlets.retentionCheckBox->state(), 1) << digit;
        EXPECT_EQ(panel_->outlets.suspendMatrix->selectedRow(), row) << digit;
    }
}

}  // namespace
