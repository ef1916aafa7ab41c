#include "tests/support/ExchangeFixture.h"

#include "crypto/Aes.h"
#include "tests/support/OpenSslReference.h"
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

std::string hexOf(const std::string& bytes, const char* digits) {
    std::string hex;
    for (unsigned char byte : bytes)
        hex += {digits[byte >> 4], digits[byte & 15]};
    return hex;
}

std::string referenceCipher(const std::string& clear, const std::string& key, size_t blocks) {
    std::string cipher;
    for (size_t start = 0; start == 0 || start < clear.size(); start += 16) {
        const std::string part = clear.substr(start, 16);
        const Bytes enciphered = referenceAesBlock(reinterpret_cast<const unsigned char*>(key.data()),
                                                   Bytes(part.begin(), part.end()), true);
        cipher.append(enciphered.begin(), enciphered.end());
    }
    cipher.resize(blocks * 16, '\0');
    return cipher;
}

std::string fixedKey() {
    return std::string(reinterpret_cast<const char*>(kFixedAesKey), 16);
}
std::string fixedKeyHex(const std::string& clear, size_t blocks) {
    return hexOf(referenceCipher(clear, fixedKey(), blocks));
}
std::string fixedKeyBase64(const std::string& clear, size_t blocks) {
    return referenceBase64Of(referenceCipher(clear, fixedKey(), blocks));
}

std::string jobKeyBase64(const std::string& clear, size_t blocks) {
    // The job's key: the last 16 characters of the spool time.
    const std::string spoolTime = kFixedSpoolTime;
    return referenceBase64Of(referenceCipher(clear, spoolTime.substr(spoolTime.size() - 16), blocks));
}

std::string referenceMd5Hex(const std::string& text) {
    const Bytes digest = referenceMd5(reinterpret_cast<const unsigned char*>(text.data()), text.size());
    return hexOf(std::string(digest.begin(), digest.end()), "0123456789abcdef");
}

std::string referenceBase64Of(const std::string& bytes) {
    return referenceBase64(Bytes(bytes.begin(), bytes.end()));
}
