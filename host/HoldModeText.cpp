#include "host/HoldModeText.h"

namespace host {

namespace {

constexpr const char* kPrefix = "nelvo.print.PrintSettings.";

const std::string* setting(const platform::PrintSettings& settings, const char* name) {
    return settings.find(std::string(kPrefix) + name);
}

// The retention digit as the printer's filter reads it.
const char* retentionName(const std::string& digit) {
    if (digit == "2") return "hold only";
    if (digit == "1") return "hold after print";
    if (digit == "3") return "sample print";
    return nullptr;
}

}  // namespace

std::string holdModeText(const platform::PrintSettings& settings) {
    const std::string* digit = setting(settings, "jobSuspend");
    const char* retention = digit ? retentionName(*digit) : nullptr;
    if (!retention) return "not held";
    const bool passCode = setting(settings, "jobSuspendKey") || setting(settings, "jobSuspend2Key");
    return std::string("held at the device: ") + retention + (passCode ? ", pass code set" : ", no pass code");
}

}  // namespace host
