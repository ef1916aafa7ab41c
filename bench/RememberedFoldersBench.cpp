// Opening a panel whose queue remembers the largest folder list the limits
// let in: folders::kMostFolders folders whose names fill the defaults file
// up to defaults::kMostFileBytes. Measured: creating the panel (which checks
// and loads the remembered record, and writes it back) and loading its view
// (which builds the folder menu). Also the defaults store's reading of
// files of 80,000 to 320,000 folders, whose fit shows that it is linear.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "folders/FolderList.h"
#include "platform/core/Bundle.h"
#include "platform/defaults/DomainFileText.h"
#include "platform/defaults/UserDefaults.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"

namespace {

nlohmann::json folderArray(size_t count, size_t nameBytes) {
    nlohmann::json files = nlohmann::json::array();
    for (size_t i = 0; i < count; ++i) {
        std::string name = "Folder " + std::to_string(i) + " ";
        name.resize(nameBytes, 'x');
        files.push_back({{"name", name}, {"password", i % 3 == 0}, {"dir", false}, {"add", false}});
    }
    return files;
}

// The record of the sample PPD's queue with the largest list that fits.
nlohmann::json largestRememberedDomain() {
    const auto domainWith = [](size_t nameBytes) {
        return nlohmann::json{{"Job Control",
                               {{"Model Name", "Nelvo ZLM-420K"},
                                {"Release Number", "2.00"},
                                {"address", "192.168.1.20"},
                                {"files", folderArray(folders::kMostFolders, nameBytes)}}}};
    };
    size_t nameBytes = 16;
    while (domainWith(nameBytes * 2).dump().size() < defaults::kMostFileBytes)
        nameBytes *= 2;
    for (size_t step = nameBytes / 2; step > 0; step /= 2)
        if (domainWith(nameBytes + step).dump().size() < defaults::kMostFileBytes) nameBytes += step;
    return domainWith(nameBytes);
}

void BM_OpenPanelWithTheLargestRememberedList(benchmark::State& state) {
    const TempDir config("nelvo-bench");
    setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    NSUserDefaults::resetStandardUserDefaults();
    const nlohmann::json domain = largestRememberedDomain();
    NSUserDefaults::standardUserDefaults()->setPersistentDomain(domain, "nelvo.mfp.Office_MFP");
    if (!NSUserDefaults::standardUserDefaults()->synchronize()) state.SkipWithError("the domain was not written");
    size_t folders = 0;
    for (auto _ : state) {
        const auto panel = NelvoPrintPdeZlm420kJC::initWithCallback(FakeHost::withSamplePPD(),
                                                                    NSBundle::bundleWithPath(NELVO_BUNDLE_DIR));
        panel->panelView();
        folders = panel->deviceFolders.folderList ? panel->deviceFolders.folderList->size() : 0;
    }
    state.counters["folders"] = static_cast<double>(folders);
    state.counters["fileBytes"] = static_cast<double>(domain.dump().size());
}
BENCHMARK(BM_OpenPanelWithTheLargestRememberedList)->Unit(benchmark::kMillisecond);

void BM_ReadDefaultsFileOfManyFolders(benchmark::State& state) {
    const nlohmann::json domain = {{"Job Control", {{"files", folderArray(static_cast<size_t>(state.range(0)), 0)}}}};
    const std::string text = domain.dump();
    for (auto _ : state)
        benchmark::DoNotOptimize(defaults::domainFromFileText(text, std::nullopt));
    state.SetComplexityN(state.range(0));
    state.counters["fileBytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ReadDefaultsFileOfManyFolders)
    ->Arg(80000)
    ->Arg(160000)
    ->Arg(320000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace
