// Stored values of any length, content or encoding: each is cut at its
// buffer and decodes to what the rules give for the part kept. Under the
// sanitizer build, a read or write past a buffer fails these tests.
#include <gtest/gtest.h>

#include "tests/support/ExchangeFixture.h"

namespace {

using namespace settings_keys;

class StoredValueBounds : public ExchangeTest {
protected:
    std::string readBack(Outlet<NSTextField> PanelOutlets::*field, const std::string& key, const std::string& stored) {
        restoreWith(key, stored);
        return (panel_->outlets.*field)->stringValue();
    }
};

TEST_F(StoredValueBounds, HexTextIsCutAtTheBufferAndDecodesByTheRule) {
    const std::string overlong = hexOf(std::string(600, 'A'));
    // 255 characters are kept; the last '4' pairs with the terminator: 16 * 4 - 48.
    EXPECT_EQ(readBack(&PanelOutlets::userNameEditText, kUserName, overlong), std::string(127, 'A') + "\x10");
    EXPECT_EQ(readBack(&PanelOutlets::jobNameEditText, kJobName,
                       "4142\xc3\xa9"
                       "43"),
              "AB");
}

TEST_F(StoredValueBounds, CipherTextsReadOnlyTheirDigitsAndAlphabet) {
    host_->settings.set(kJobSuspend, "2");
    EXPECT_EQ(readBack(&PanelOutlets::suspendKeyEditText, kJobSuspend2Key, fixedKeyHex("123") + std::string(5000, 'F')),
              "123");
    EXPECT_EQ(readBack(&PanelOutlets::suspendKeyEditText, kJobSuspend2Key, fixedKeyHex("123456")), "")
        << "too long for its field";
    readBack(&PanelOutlets::passwordEditText, kPassword2, std::string(5001, 'Z'));
    readBack(&PanelOutlets::userNumberEditText, kUserNumber2, "ABC");

    const std::string login = fixedKeyBase64("jdoe");
    host_->settings.set("nelvo.print.PrintSettings.loginName12", std::string(3000, 'B'));
    EXPECT_EQ(readBack(&PanelOutlets::loginNameEditText, "nelvo.print.PrintSettings.loginName11",
                       login + std::string(3000, 'A')),
              "jdoe");
    EXPECT_EQ(
        readBack(&PanelOutlets::loginNameEditText, "nelvo.print.PrintSettings.loginName11", "\xe6\x97\xa5" + login),
        "");

    panel_->remembered.prefHoldButtonFlag = lock_bits::kAll;
    panel_->remembered.prefPasswordStringRef = std::string(4001, 'a');
    panel_->remembered.prefLoginNameStringRef = std::string(4000, '/');
    panel_->remembered.prefUserNumberStringRef = "\xff\xfe";
    panel_->restoreValuesAndReturnError(nullptr);
    EXPECT_EQ(panel_->outlets.userNumberEditText->stringValue(), "");
}

}  // namespace
