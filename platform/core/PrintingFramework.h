// The printing framework: a job's print settings, the print session and its
// printer, and the framework calls that the panel makes on them.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

using OSStatus = int32_t;
constexpr OSStatus noErr = 0;
constexpr OSStatus kPMInvalidParameter = -50;
constexpr OSStatus kPMKeyNotFound = -9589;

namespace platform {

// The job's print settings: string values under string keys, and the job's
// own name.
class PrintSettings {
public:
    using Values = std::map<std::string, std::string>;

    const Values& values() const { return values_; }
    const std::string* find(const std::string& key) const;
    void set(const std::string& key, const std::string& value) { values_[key] = value; }
    void remove(const std::string& key) { values_.erase(key); }

    const std::optional<std::string>& jobName() const { return jobName_; }
    void setJobName(std::optional<std::string> name) { jobName_ = std::move(name); }

private:
    Values values_;
    std::optional<std::string> jobName_;
};

// A print queue: its identifier and the device URI it prints to.
struct Printer {
    std::string identifier;
    std::optional<std::string> deviceURI;
};

// The dialog's print session, printing to one current printer.
struct PrintSession {
    Printer* currentPrinter = nullptr;
};

}  // namespace platform

using PMPrintSettings = platform::PrintSettings*;
using PMPrinter = platform::Printer*;
using PMPrintSession = platform::PrintSession*;

// The session's current printer, or kPMInvalidParameter.
OSStatus PMSessionGetCurrentPrinter(PMPrintSession session, PMPrinter* printer);
// The printer's device URI into `deviceURI` (preset to none by the caller).
OSStatus PMPrinterCopyDeviceURI(PMPrinter printer, std::optional<std::string>* deviceURI);
// The queue's identifier; empty for no printer.
std::string PMPrinterGetID(PMPrinter printer);
// noErr with the stored value (owned by the settings) when the key is present.
OSStatus PMPrintSettingsGetValue(PMPrintSettings settings, const std::string& key, const std::string** value);
// noErr with the job's name when it has one.
OSStatus PMPrintSettingsGetJobName(PMPrintSettings settings, const std::string** name);
// Stores `value` under `key`; no value removes the key.
OSStatus PMPrintSettingsSetValue(PMPrintSettings settings, const std::string& key, const std::string* value,
                                 bool locked);
