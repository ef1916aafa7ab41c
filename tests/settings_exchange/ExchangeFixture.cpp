#include "tests/settings_exchange/ExchangeFixture.h"

#include <cstdio>
#include <cstring>

#include "crypto/Aes.h"
#include "platform/core/Bundle.h"
#include "tests/crypto/OpenSslReference.h"
#include "tests/support/TestPanel.h"

platform::ScopedFixedClock fixedSaveClock() {
    return platform::ScopedFixedClock(platform::absoluteTimeFromUTC(2026, 12, 4, 20, 11, 9.8),
                                      CFTimeZone::fixedOffset(9 * 3600));
}

std::shared_ptr<NelvoPrintPdeZlm420kJC> openPanel(const std::shared_ptr<FakeHost>& host) {
    auto panel = makePanel(host);
    panel->panelView();
    return panel;
}

std::optional<std::string> valueOf(const FakeHost& host, const std::string& key) {
    const std::string* value = host.settings.find(key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::string hexOf(const std::string& bytes) {
    std::string hex;
    char pair[3];
    for (unsigned char byte : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", byte);
        hex += pair;
    }
    return hex;
}

std::string referenceCipher(const std::string& clear, const std::string& key, size_t blocks) {
    std::string cipher;
    for (size_t block = 0; block < blocks; ++block) {
        if (block * 16 >= clear.size() && block > 0) {
            cipher.append(16, '\0');
            continue;
        }
        const std::string part = clear.substr(std::min(block * 16, clear.size()), 16);
        const Bytes enciphered = referenceAesBlock(reinterpret_cast<const unsigned char*>(key.data()),
                                                   Bytes(part.begin(), part.end()), true);
        cipher.append(enciphered.begin(), enciphered.end());
    }
    return cipher;
}

std::string fixedKey() { return std::string(reinterpret_cast<const char*>(kFixedAesKey), 16); }

std::string fixedKeyHex(const std::string& clear, size_t blocks) {
    return hexOf(referenceCipher(clear, fixedKey(), blocks));
}

std::string fixedJobKey() {
    const std::string spoolTime = kFixedSpoolTime;
    return spoolTime.substr(spoolTime.size() - 16);
}

std::string referenceMd5Hex(const std::string& text) {
    const Bytes digest = referenceMd5(reinterpret_cast<const unsigned char*>(text.data()), text.size());
    std::string hex = hexOf(std::string(digest.begin(), digest.end()));
    for (char& c : hex) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return hex;
}

std::string referenceBase64Of(const std::string& bytes) { return referenceBase64(Bytes(bytes.begin(), bytes.end())); }
