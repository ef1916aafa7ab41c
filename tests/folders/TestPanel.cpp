#include "tests/folders/TestPanel.h"

namespace {

class HostWithoutPrinter : public PDEPluginCallback {
public:
    bool respondsToWillChangePPDOptionKeyValue() const override { return true; }
    ppd_file_t* ppdFile() override { return nullptr; }
    PMPrintSession printSession() override { return &session_; }
    PMPrintSettings printSettings() override { return &settings_; }
    bool willChangePPDOptionKeyValue(const std::string&, const std::string&) override { return true; }

private:
    platform::PrintSession session_;
    platform::PrintSettings settings_;
};

}  // namespace

std::shared_ptr<NelvoPrintPdeZlm420kJC> makePanelWithoutPrinter() {
    return NelvoPrintPdeZlm420kJC::initWithCallback(std::make_shared<HostWithoutPrinter>(), nullptr);
}
