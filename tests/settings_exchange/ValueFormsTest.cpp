// The forms of the values a save writes, checked against OpenSSL's AES,
// MD5 and Base64 on the same clear texts.
#include <gtest/gtest.h>

#include "platform/controls/NSButton.h"
#include "platform/controls/NSTextField.h"
#include "settings/SettingsKeys.h"
#include "tests/settings_exchange/ExchangeFixture.h"
#include "tests/support/ScopedEnvironment.h"

namespace {

using namespace settings_keys;

const std::string kLoginPiece1 = "nelvo.print.PrintSettings.loginName11";
const std::string kLoginPiece2 = "nelvo.print.PrintSettings.loginName12";
const std::string kJobKeyLoginPiece1 = "nelvo.print.PrintSettings.loginName01";

class ValueForms : public testing::Test {
protected:
    void save() { panel_->saveValuesAndReturnError(nullptr); }
    std::string value(const std::string& key) const { return valueOf(*host_, key).value_or("(absent)"); }

    platform::ScopedFixedClock clock_ = fixedSaveClock();
    std::shared_ptr<FakeHost> host_ = FakeHost::withSamplePPD();
    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel_ = openPanel(host_);
};

TEST_F(ValueForms, CodeDigestsPadTheDigitsButTheCiphersDoNot) {
    panel_->retentionCheckBox->setState(1);
    for (const auto& [typed, padded] : std::vector<std::pair<std::string, std::string>>{
             {"7", "00007"}, {"123456789", "12345678"}}) {
        panel_->suspendKeyEditText->setStringValue(typed);
        panel_->folderPasswordEditText->setStringValue(typed);
        save();
        EXPECT_EQ(value(kJobSuspendKey), referenceMd5Hex(padded + kFixedSpoolTime)) << typed;
        EXPECT_EQ(value(kFolderPassword), referenceMd5Hex(kFixedSpoolTime + padded)) << typed;
        // Digits after the eighth are dropped from both forms.
        EXPECT_EQ(value(kJobSuspend2Key), fixedKeyHex(typed.substr(0, 8))) << typed;
        EXPECT_EQ(value(kFolderPassword2), fixedKeyHex(typed.substr(0, 8))) << typed;
    }
}

TEST_F(ValueForms, PasswordAlwaysTakesTwoBlocksAndNumbersArePadded) {
    panel_->passwordEditText->setStringValue("abcde");
    panel_->userNumberEditText->setStringValue("12");
    panel_->accountNumberEditText->setStringValue("1234567");
    save();
    EXPECT_EQ(value(kPassword2), fixedKeyHex("abcde") + std::string(32, '0'));
    EXPECT_EQ(value(kPassword), referenceBase64Of(referenceCipher("abcde", fixedJobKey(), 1)));
    EXPECT_EQ(value(kUserNumber) + value(kAccountNumber), "00012" "12345") << "five bytes of an account number travel";
    EXPECT_EQ(value(kAccountNumber2), fixedKeyHex("12345"));

    const std::string longest(31, 'p');
    panel_->passwordEditText->setStringValue(longest);
    save();
    EXPECT_EQ(value(kPassword2), fixedKeyHex(longest, 2));
    EXPECT_EQ(value(kPassword), referenceBase64Of(referenceCipher(longest, fixedJobKey(), 2)));
}

TEST_F(ValueForms, LoginNameIsChunkedInPiecesOf254AndLockedTravelsInClear) {
    const std::string longest(255, 'n');
    panel_->loginNameEditText->setStringValue(longest);
    save();
    const std::string whole = referenceBase64Of(referenceCipher(longest, fixedKey(), 16));
    EXPECT_EQ(value(kLoginPiece1), whole.substr(0, 254));
    EXPECT_EQ(value(kLoginPiece2), whole.substr(254));
    EXPECT_FALSE(valueOf(*host_, "nelvo.print.PrintSettings.loginName13"));
    EXPECT_EQ(value(kJobKeyLoginPiece1) + value("nelvo.print.PrintSettings.loginName02"),
              referenceBase64Of(referenceCipher(longest, fixedJobKey(), 16)));

    // Locked with nothing kept: the first pieces go, a second piece stays.
    panel_->loginNameEditText->setStringValue("\u2022\u2022\u2022\u2022");
    panel_->loginNameButton->setState(1);
    save();
    EXPECT_FALSE(valueOf(*host_, kLoginPiece1) || valueOf(*host_, kJobKeyLoginPiece1));
    EXPECT_EQ(value(kLoginPiece2), whole.substr(254));
    // Locked, the kept name travels, never the bullets.
    panel_->loginNameStringRef = "abcdefghijklmnop";
    save();
    EXPECT_EQ(value(kLoginPiece1), referenceBase64Of(referenceCipher("abcdefghijklmnop", fixedKey(), 1)));
}

TEST_F(ValueForms, NamesTravelAsHexWithTheFiltersCopyFreeOfControlCharacters) {
    panel_->userNameEditText->setStringValue("Jane \"JD\"\tDoe\r");
    panel_->jobNameEditText->setStringValue(std::string(40, 'a') + std::string(40, 'b'));
    save();
    EXPECT_EQ(value(kUserName), hexOf("Jane \"JD\"\tDoe\r"));
    EXPECT_EQ(value(kUserName2), hexOf("Jane  JD \tDoe "));
    EXPECT_EQ(value(kJobName) + value(kJobName2), hexOf(std::string(32, 'a')) + hexOf(std::string(32, 'a')));
}

TEST(ValueFormsInLocales, SecondFormsAreWindowsLatin1OutsideEastAsia) {
    const ScopedLocale utf8(LC_CTYPE, "C.UTF-8");
    if (!utf8.selected()) GTEST_SKIP() << "no C.UTF-8 locale";
    const auto clock = fixedSaveClock();
    for (const char* language : {"en_GB.UTF-8", "ja_JP.UTF-8"}) {
        const ScopedEnvironmentVariable messages("LC_ALL", language);
        auto host = FakeHost::withSamplePPD();
        const auto panel = openPanel(host);
        panel->userNameEditText->setStringValue("Zo\u00eb \u65e5");
        panel->loginNameEditText->setStringValue("J\u00fcrgen");
        panel->saveValuesAndReturnError(nullptr);
        const bool eastAsian = std::string(language).starts_with("ja");
        const std::string utf8Name = "Zo\xc3\xab \xe6\x97\xa5";
        EXPECT_EQ(valueOf(*host, kUserName), hexOf(utf8Name)) << language;
        // Windows Latin-1 has a space for what it cannot represent.
        EXPECT_EQ(valueOf(*host, kUserName2), hexOf(eastAsian ? utf8Name : "Zo\xeb  ")) << language;
        EXPECT_EQ(valueOf(*host, kJobKeyLoginPiece1),
                  referenceBase64Of(referenceCipher(eastAsian ? "J\xc3\xbcrgen" : "J\xfcrgen", fixedJobKey(), 1)));
    }
}

}  // namespace
