// The forms of the values a save writes, checked against OpenSSL's AES,
// MD5 and Base64 on the same clear texts.
#include <gtest/gtest.h>

#include "tests/support/ExchangeFixture.h"

namespace {

using namespace settings_keys;

const std::string kLoginPiece1 = "nelvo.print.PrintSettings.loginName11";
const std::string kJobKeyLoginPiece1 = "nelvo.print.PrintSettings.loginName01";

using ValueForms = ExchangeTest;

// The pass codes' forms up to five digits are pinned in FilterInterfaceGoldenTest.
TEST_F(ValueForms, DigitsAfterTheEighthAreDroppedFromBothFormsOfTheCodes) {
    panel_->outlets.retentionCheckBox->setState(1);
    panel_->outlets.suspendKeyEditText->setStringValue("123456789");
    panel_->outlets.folderPasswordEditText->setStringValue("123456789");
    save();
    EXPECT_EQ(value(kJobSuspendKey), referenceMd5Hex("12345678" + std::string(kFixedSpoolTime)));
    EXPECT_EQ(value(kFolderPassword), referenceMd5Hex(kFixedSpoolTime + std::string("12345678")));
    EXPECT_EQ(value(kJobSuspend2Key) + value(kFolderPassword2), fixedKeyHex("12345678") + fixedKeyHex("12345678"));
}

TEST_F(ValueForms, ALongAccountNumberIsCutToFiveDigitsAndTheLongestPasswordTakesTwoBlocks) {
    panel_->outlets.accountNumberEditText->setStringValue("1234567");
    const std::string longest(31, 'p');
    panel_->outlets.passwordEditText->setStringValue(longest);
    save();
    EXPECT_EQ(value(kAccountNumber) + value(kAccountNumber2), "12345" + fixedKeyHex("12345"));
    EXPECT_EQ(value(kPassword2) + value(kPassword), fixedKeyHex(longest, 2) + jobKeyBase64(longest, 2));
}

// The pieces of a long name are pinned in FilterInterfaceGoldenTest.
TEST_F(ValueForms, NoPieceOfALongLoginNameStaysBehindAndLockedTheKeptNameTravelsInClear) {
    const std::string longest(255, 'n');
    panel_->outlets.loginNameEditText->setStringValue(longest);
    save();
    // Cleared by the switch to the user number, or locked with nothing kept.
    const auto noPieceLeft = [this] {
        for (const auto& [key, value] : host_->settings.values())
            if (key.rfind("nelvo.print.PrintSettings.loginName", 0) == 0) return false;
        return true;
    };
    panel_->outlets.authenticationMatrix->selectCellAtRow(1, 0);
    panel_->authenticationMatrixProc(nullptr);
    save();
    EXPECT_TRUE(noPieceLeft());
    panel_->outlets.authenticationMatrix->selectCellAtRow(0, 0);
    panel_->outlets.loginNameEditText->setStringValue(longest);
    save();
    panel_->outlets.loginNameEditText->setStringValue("\u2022\u2022\u2022\u2022");
    panel_->outlets.loginNameButton->setState(1);
    save();
    EXPECT_TRUE(noPieceLeft());
    // Locked, the kept name travels, never the bullets.
    panel_->loginNameLock.loginNameStringRef = "abcdefghijklmnop";
    save();
    EXPECT_EQ(value(kLoginPiece1), fixedKeyBase64("abcdefghijklmnop"));
}

// Names cut to their stored length are read back in RoundTripTest.
TEST_F(ValueForms, NamesTravelAsHexWithTheFiltersCopyFreeOfControlCharacters) {
    panel_->outlets.userNameEditText->setStringValue("Jane \"JD\"\tDoe\r");
    save();
    EXPECT_EQ(value(kUserName), hexOf("Jane \"JD\"\tDoe\r"));
    EXPECT_EQ(value(kUserName2), hexOf("Jane  JD \tDoe "));
}

TEST(ValueFormsInLocales, SecondFormsAreWindowsLatin1OutsideEastAsia) {
    const ScopedLocale utf8(LC_CTYPE, "C.UTF-8");
    if (!utf8.selected()) GTEST_SKIP() << "no C.UTF-8 locale";
    const auto clock = fixedSaveClock();
    const std::string name = "Zo\u00eb \u65e5";
    // Windows Latin-1 has a space for what it cannot represent.
    for (const auto& [language, secondName, login] :
         {std::tuple<const char*, std::string, const char*>{"en_GB.UTF-8", "Zo\xeb  ", "J\xfcrgen"},
          {"ja_JP.UTF-8", name, "J\u00fcrgen"}}) {
        const ScopedEnvironmentVariable messages("LC_ALL", language);
        auto host = FakeHost::withSamplePPD();
        const auto panel = openPanel(host);
        panel->outlets.userNameEditText->setStringValue(name);
        panel->outlets.loginNameEditText->setStringValue("J\u00fcrgen");
        panel->saveValuesAndReturnError(nullptr);
        EXPECT_EQ(valueOf(*host, kUserName), hexOf(name)) << language;
        EXPECT_EQ(valueOf(*host, kUserName2), hexOf(secondName)) << language;
        EXPECT_EQ(valueOf(*host, kJobKeyLoginPiece1), jobKeyBase64(login)) << language;
    }
}

}  // namespace
