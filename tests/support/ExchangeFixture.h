// What the tests of the job-settings exchange and the remembered defaults
// share: the controls' and keys' headers, a panel with the real layout on the sample PPD, at a fixed instant,
// and the value forms computed independently with OpenSSL.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/controls/Buttons.h"
#include "platform/controls/Menus.h"
#include "platform/controls/TextFields.h"
#include "platform/core/CoreTime.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "settings/SettingsKeys.h"
#include "tests/support/FakeHost.h"
#include "tests/support/ScopedEnvironment.h"

// Saturday 5 December 2026, 05:11:09.8 at UTC+9.
inline constexpr const char* kFixedSpoolTime = "Sat, 5 Dec 2026 05:11:09 +0900";
platform::ScopedFixedClock fixedSaveClock();

// A panel made with `host` whose view is loaded and controls set up.
std::shared_ptr<NelvoPrintPdeZlm420kJC> openPanel(const std::shared_ptr<FakeHost>& host);

// The value under `key`, or none.
std::optional<std::string> valueOf(const FakeHost& host, const std::string& key);

// Hex text of bytes, upper-case unless other digits are given.
std::string hexOf(const std::string& bytes, const char* digits = "0123456789ABCDEF");

// The text zero-padded to whole blocks and enciphered block by block under
// `key` (16 bytes); `blocks` blocks are taken, extra ones as zero bytes.
std::string referenceCipher(const std::string& clear, const std::string& key, size_t blocks);
std::string fixedKey();
// Hex text of the clear text enciphered under the fixed key.
std::string fixedKeyHex(const std::string& clear, size_t blocks = 1);
// Base64 text of the clear text enciphered under the fixed or the job's key.
std::string fixedKeyBase64(const std::string& clear, size_t blocks = 1);
std::string jobKeyBase64(const std::string& clear, size_t blocks = 1);

std::string referenceMd5Hex(const std::string& text);
std::string referenceBase64Of(const std::string& bytes);

// A panel on the sample PPD, its view loaded, saving at the fixed instant.
class ExchangeTest : public testing::Test {
protected:
    void save() { panel_->saveValuesAndReturnError(nullptr); }
    void restoreWith(const std::string& key, const std::string& value) {
        host_->settings.set(key, value);
        panel_->restoreValuesAndReturnError(nullptr);
    }
    // The saved value under `key`, or "(absent)".
    std::string value(const std::string& key) const { return valueOf(*host_, key).value_or("(absent)"); }

    platform::ScopedFixedClock clock_ = fixedSaveClock();
    std::shared_ptr<FakeHost> host_ = FakeHost::withSamplePPD();
    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel_ = openPanel(host_);
};
