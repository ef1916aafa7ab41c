// A print dialog for tests: the host callback object that a panel is made
// with, configured field by field, recording every call the panel makes.
#pragma once

#include <cups/ppd.h>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/PrintDialogPlugIn.h"
#include "platform/core/PrintingFramework.h"

class FakeHost : public PDEPluginCallback {
public:
    // A host with constraint handling, no PPD, the printer "Office_MFP" at
    // socket://192.168.1.20:9100 and print settings for the job "Untitled".
    FakeHost();
    ~FakeHost() override;
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // The same host holding the model's sample PPD, or the PPD at `path`;
    // throws std::runtime_error when CUPS cannot read it.
    static std::shared_ptr<FakeHost> withSamplePPD();
    static std::shared_ptr<FakeHost> withPPD(const std::filesystem::path& path);

    // --- What the host offers; change before the panel is made.
    bool constraintHandling = true;
    bool refusesOptionChanges = false;  // willChangePPDOptionKeyValue answers NO
    bool givesPrintSettings = true;     // printSettings answers none when false
    platform::Printer printer{"Office_MFP", "socket://192.168.1.20:9100"};
    platform::PrintSettings settings;

    // --- What the panel asked, in order: the operation's name, and for
    // willChangePPDOptionKeyValue its two arguments after a space each.
    // Mutable because the panel asks respondsTo... of a const host.
    mutable std::vector<std::string> calls;
    size_t callCount(std::string_view call) const;

    // PDEPluginCallback
    bool respondsToWillChangePPDOptionKeyValue() const override;
    ppd_file_t* ppdFile() override;
    PMPrintSession printSession() override;
    PMPrintSettings printSettings() override;
    bool willChangePPDOptionKeyValue(const std::string& option, const std::string& choice) override;

private:
    ppd_file_t* ppd_ = nullptr;
    platform::PrintSession session_;
};
