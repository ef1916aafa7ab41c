// The print dialog's side of the plug-in interface: the printer's PPD, the
// print session with its printer, and the job's print settings.
#pragma once

#include <cups/ppd.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "host/DialogSetup.h"
#include "platform/core/PrintDialogPlugIn.h"

namespace host {

class ScriptedHost : public PDEPluginCallback {
public:
    // Opens the PPD with CUPS. Throws UsageError when it cannot.
    explicit ScriptedHost(const DialogSetup& setup);
    ~ScriptedHost() override;

    bool respondsToWillChangePPDOptionKeyValue() const override { return constraintHandling_; }
    ppd_file_t* ppdFile() override { return ppd_; }
    PMPrintSession printSession() override { return &session_; }
    PMPrintSettings printSettings() override { return &settings_; }
    bool willChangePPDOptionKeyValue(const std::string& option, const std::string& choice) override;

    platform::PrintSettings& settings() { return settings_; }
    const platform::Printer& printer() const { return printer_; }
    // The PPD's default choice of `option`; none when it has no such option.
    std::optional<std::string> defaultChoiceOf(const std::string& option) const;

private:
    bool constraintHandling_;
    ppd_file_t* ppd_ = nullptr;
    platform::Printer printer_;
    platform::PrintSession session_;
    platform::PrintSettings settings_;
};

// The host for a panel for another queue that the person picked in the
// dialog (see settleOtherQueue); null when CUPS has no such queue. Throws
// UsageError when its PPD cannot be opened.
std::shared_ptr<ScriptedHost> hostForOtherQueue(const std::string& queue, const DialogSetup& opened);

}  // namespace host
