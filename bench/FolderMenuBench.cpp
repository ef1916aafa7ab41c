// The cost of rebuilding the folder menu from lists of 10 to 100,000
// folders, a third of them protected; the fit shows how it grows.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/controls/Menus.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "tests/support/FakeHost.h"

namespace {

FolderList folders(std::size_t count) {
    FolderList list;
    list.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        list.push_back({"Folder " + std::to_string(i), i % 3 == 0, false, false});
    return list;
}

void BM_MakeFolderPopup(benchmark::State& state) {
    const auto panel = NelvoPrintPdeZlm420kJC::initWithCallback(std::make_shared<FakeHost>(),
                                                                NSBundle::bundleWithPath(NELVO_BUNDLE_DIR));
    panel->panelView();
    panel->deviceFolders.folderList = folders(static_cast<std::size_t>(state.range(0)));
    panel->makeFolderPopup();  // every measured rebuild removes a full menu first
    for (auto _ : state) {
        panel->makeFolderPopup();
        benchmark::DoNotOptimize(panel->outlets.folderSelectionPopup->numberOfItems());
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_MakeFolderPopup)->RangeMultiplier(10)->Range(10, 100000)->Complexity();

}  // namespace
