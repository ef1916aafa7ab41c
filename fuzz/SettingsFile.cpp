// The print dialog's --settings file: refused with a message, or read
// whole; what it then writes reads back the same.
#include "host/SettingsFile.h"
#include "fuzz/FuzzSupport.h"
#include "host/InputText.h"

using host::readSettingsFile;
using host::UsageError;
using host::writeSettingsFile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path path = fuzz_support::privateHome() / "settings.json";
    fuzz_support::writeFile(path, fuzz_support::textOf(data, size));
    platform::PrintSettings settings;
    try {
        readSettingsFile(path, settings);
    } catch (const UsageError&) {
        return 0;
    }
    writeSettingsFile(path, settings);
    platform::PrintSettings again;
    readSettingsFile(path, again);
    FUZZ_EXPECT(again.values() == settings.values());
    return 0;
}
