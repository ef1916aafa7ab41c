// The print settings read back through a panel: one "key=value" a line,
// each key after "nelvo.print.PrintSettings.". The panel restores them into
// its controls and writes them again; whatever the writer writes is ASCII,
// as the printer's filter takes it.
#include "fuzz/FuzzSupport.h"
#include "settings/SettingsKeys.h"
#include "tests/support/TestPanel.h"

namespace {

bool isAscii(const std::string& text) {
    for (const unsigned char c : text)
        if (c >= 0x80) return false;
    return true;
}

void setLines(platform::PrintSettings& settings, const std::string& text) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
            settings.set(settings_keys::kPrefix + line.substr(0, equals), line.substr(equals + 1));
        start = end + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_support::privateHome();
    const auto host = FakeHost::withSamplePPD();
    setLines(host->settings, fuzz_support::textOf(data, size));
    const platform::PrintSettings::Values given = host->settings.values();

    const auto panel = makePanel(host);
    panel->panelView();
    panel->restoreValuesAndReturnError(nullptr);
    panel->saveValuesAndReturnError(nullptr);
    for (const auto& [key, value] : host->settings.values()) {
        const auto before = given.find(key);
        if (before == given.end() || before->second != value) FUZZ_EXPECT(isAscii(value));
    }
    return 0;
}
