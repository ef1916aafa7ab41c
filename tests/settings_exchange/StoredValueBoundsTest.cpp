// Stored values of any length, content or encoding: each is cut at its
// buffer and decodes to what the rules give for the part kept. Under the
// sanitizer build, a read or write past a buffer fails these tests.
#include <gtest/gtest.h>

#include "platform/controls/NSTextField.h"
#include "settings/SettingsKeys.h"
#include "tests/settings_exchange/ExchangeFixture.h"

namespace {

using namespace settings_keys;

class StoredValueBounds : public testing::Test {
protected:
    std::string readBack(Outlet<NSTextField> NelvoPrintPdeZlm420kJC::*field, const std::string& key,
                         const std::string& value) {
        host_->settings.set(key, value);
        panel_->restoreValuesAndReturnError(nullptr);
        return ((*panel_).*field)->stringValue();
    }

    std::shared_ptr<FakeHost> host_ = FakeHost::withSamplePPD();
    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel_ = openPanel(host_);
};

TEST_F(StoredValueBounds, HexTextIsCutAtTheBufferAndDecodesByTheRule) {
    using P = NelvoPrintPdeZlm420kJC;
    std::string overlong;
    for (int i = 0; i < 600; ++i) overlong += "41";
    // 255 characters are kept; the last '4' pairs with the terminator: 16 * 4 - 48.
    EXPECT_EQ(readBack(&P::userNameEditText, kUserName, overlong), std::string(127, 'A') + "\x10");
    EXPECT_EQ(readBack(&P::jobNameEditText, kJobName, "4142\xc3\xa9" "43"), "AB");
}

TEST_F(StoredValueBounds, CipherTextsReadOnlyTheirDigitsAndAlphabet) {
    using P = NelvoPrintPdeZlm420kJC;
    host_->settings.set(kJobSuspend, "2");
    const std::string cipher = fixedKeyHex("123");
    EXPECT_EQ(readBack(&P::suspendKeyEditText, kJobSuspend2Key, cipher + std::string(5000, 'F')), "123");
    readBack(&P::passwordEditText, kPassword2, std::string(5001, 'Z'));
    readBack(&P::userNumberEditText, kUserNumber2, "ABC");

    const std::string login = referenceBase64Of(referenceCipher("jdoe", fixedKey(), 1));
    host_->settings.set("nelvo.print.PrintSettings.loginName12", std::string(3000, 'B'));
    EXPECT_EQ(readBack(&P::loginNameEditText, "nelvo.print.PrintSettings.loginName11", login + std::string(3000, 'A')),
              "jdoe");
    EXPECT_EQ(readBack(&P::loginNameEditText, "nelvo.print.PrintSettings.loginName11", "\xe6\x97\xa5" + login), "");

    panel_->prefHoldButtonFlag = lock_bits::kAll;
    panel_->prefPasswordStringRef = std::string(4001, 'a');
    panel_->prefLoginNameStringRef = std::string(4000, '/');
    panel_->prefUserNumberStringRef = "\xff\xfe";
    panel_->restoreValuesAndReturnError(nullptr);
    EXPECT_EQ(panel_->userNumberEditText->stringValue(), "");
}

}  // namespace
