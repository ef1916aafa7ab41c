// CUPS deprecates its PPD calls, but a print dialog hands a panel its PPD
// through them.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "tests/support/FakeHost.h"

#include <algorithm>
#include <stdexcept>

#include "tests/support/PpdFixture.h"

FakeHost::FakeHost() {
    settings.setJobName("Untitled");
    session_.currentPrinter = &printer;
}

FakeHost::~FakeHost() {
    if (ppd_) ppdClose(ppd_);
}

std::shared_ptr<FakeHost> FakeHost::withSamplePPD() {
    return withPPD(samplePPDPath());
}

std::shared_ptr<FakeHost> FakeHost::withPPD(const std::filesystem::path& path) {
    auto host = std::make_shared<FakeHost>();
    host->ppd_ = ppdOpenFile(path.c_str());
    if (!host->ppd_) {
        int line = 0;
        throw std::runtime_error("CUPS cannot open the PPD " + path.string() + ": " +
                                 ppdErrorString(ppdLastError(&line)));
    }
    ppdMarkDefaults(host->ppd_);
    return host;
}

size_t FakeHost::callCount(std::string_view call) const {
    return static_cast<size_t>(std::count(calls.begin(), calls.end(), call));
}

bool FakeHost::respondsToWillChangePPDOptionKeyValue() const {
    calls.push_back("respondsToWillChangePPDOptionKeyValue");
    return constraintHandling;
}

ppd_file_t* FakeHost::ppdFile() {
    calls.push_back("ppdFile");
    return ppd_;
}

PMPrintSession FakeHost::printSession() {
    calls.push_back("printSession");
    return &session_;
}

PMPrintSettings FakeHost::printSettings() {
    calls.push_back("printSettings");
    return givesPrintSettings ? &settings : nullptr;
}

bool FakeHost::willChangePPDOptionKeyValue(const std::string& option, const std::string& choice) {
    calls.push_back("willChangePPDOptionKeyValue " + option + " " + choice);
    if (refusesOptionChanges) return false;
    // A host without constraints of its own marks the new choice, as the
    // print dialog does.
    if (ppd_) ppdMarkOption(ppd_, option.c_str(), choice.c_str());
    return true;
}
