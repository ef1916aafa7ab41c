// Writes the job values that the panel's controls hold into the job's print
// settings under the keys that the printer's filter reads, replacing or
// removing whatever an earlier save left. One writer serves one save: the
// digests and job-key forms depend on the spool time taken when it is made.
#pragma once

#include <string>

#include "platform/core/PrintingFramework.h"
#include "platform/controls/Outlet.h"
#include "settings/ClearText.h"

class NelvoPrintPdeZlm420kJC;
class NSTextField;

class SettingsWriter {
public:
    SettingsWriter(const NelvoPrintPdeZlm420kJC& panel, PMPrintSettings settings);

    // Every key, in the filter's order.
    void write();

private:
    void writeSpoolTime();
    void writeFiling();
    void writeMainFolderPath();
    void writeRetention();
    void writePassCode();
    void writeAuthentication();
    void writeLoginName();
    void writePassword();
    void writeNumber(const Outlet<NSTextField>& field, const char* key, const char* key2, size_t maxBytes);
    void writeName(const Outlet<NSTextField>& field, const char* key, const char* key2);
    void writeFolderPassCode();
    void writeLockMask();

    // A pass code's digits as the retention and folder pass codes take them.
    ClearText passCodeDigits(const NSTextField& field) const;
    void set(const char* key, const std::string& value);
    void remove(const char* key);

    const NelvoPrintPdeZlm420kJC& panel_;
    PMPrintSettings settings_;
    std::string spoolTime_;
};
