// One full dialog cycle on the sample PPD, as a print dialog runs it: make
// the panel, load its view, restore, save, print (with the preference save
// and reload). And the preference save alone, the part that writes the
// queue's defaults file, to read off its share of the cycle.
//
// Each benchmark runs with the fsync of the defaults file ("fsync:1") and
// without it ("fsync:0"). The switch lives here, not in the platform: this
// program defines fsync itself, which the dynamic linker then binds the
// platform library's call to (an executable's definitions come first). The
// wrapper counts the calls and, when the disk is to be skipped, returns at
// once; otherwise it calls the C library's fsync.

// CUPS deprecates its PPD calls, but a print dialog hands a panel its PPD
// through them.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include <benchmark/benchmark.h>
#include <cups/ppd.h>
#include <dlfcn.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/controls/Buttons.h"
#include "platform/controls/TextFields.h"
#include "platform/core/Bundle.h"
#include "platform/defaults/UserDefaults.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

namespace {

struct FsyncSwitch {
    std::atomic<bool> skipDisk{false};
    std::atomic<long> calls{0};
};

FsyncSwitch& fsyncSwitch() {
    static FsyncSwitch instance;
    return instance;
}

}  // namespace

extern "C" int fsync(int descriptor) {
    FsyncSwitch& control = fsyncSwitch();
    ++control.calls;
    if (control.skipDisk) return 0;
    using Fsync = int (*)(int);
    static const Fsync libraryFsync = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
    return libraryFsync ? libraryFsync(descriptor) : -1;
}

namespace {

// The print dialog's side: the sample PPD, one printer, the job's settings.
class BenchHost : public PDEPluginCallback {
public:
    BenchHost() : ppd_(ppdOpenFile(NELVO_SAMPLE_PPD)) {
        if (!ppd_) throw std::runtime_error("cannot open " NELVO_SAMPLE_PPD);
        ppdMarkDefaults(ppd_);
        settings_.setJobName("Quarterly report");
        session_.currentPrinter = &printer_;
    }
    ~BenchHost() override { ppdClose(ppd_); }
    BenchHost(const BenchHost&) = delete;
    BenchHost& operator=(const BenchHost&) = delete;

    bool respondsToWillChangePPDOptionKeyValue() const override { return true; }
    ppd_file_t* ppdFile() override { return ppd_; }
    PMPrintSession printSession() override { return &session_; }
    PMPrintSettings printSettings() override { return &settings_; }
    bool willChangePPDOptionKeyValue(const std::string&, const std::string&) override { return true; }

private:
    ppd_file_t* ppd_;
    platform::Printer printer_{"Office_MFP", "socket://192.168.1.20:9100"};
    platform::PrintSession session_;
    platform::PrintSettings settings_;
};

// A private defaults folder for the run, removed afterwards.
class PrivateDefaults {
public:
    PrivateDefaults() {
        std::string pattern = (std::filesystem::temp_directory_path() / "nelvo-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        folder_ = pattern;
        setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
        NSUserDefaults::resetStandardUserDefaults();
    }
    ~PrivateDefaults() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    PrivateDefaults(const PrivateDefaults&) = delete;
    PrivateDefaults& operator=(const PrivateDefaults&) = delete;

private:
    std::filesystem::path folder_;
};

std::shared_ptr<NelvoPrintPdeZlm420kJC> makePanel(const std::shared_ptr<BenchHost>& host) {
    return NelvoPrintPdeZlm420kJC::initWithCallback(host, NSBundle::bundleWithPath(NELVO_BUNDLE_DIR));
}

// The typical print once, so that the cycles restore a remembered, locked
// pass code as a user's later dialogs do.
void printTypicalJob(const std::shared_ptr<BenchHost>& host) {
    const auto panel = makePanel(host);
    panel->panelView();
    panel->restoreValuesAndReturnError(nullptr);
    panel->outlets.retentionCheckBox->setState(1);
    panel->outlets.suspendMatrix->selectCellAtRow(0, 0);
    panel->outlets.suspendKeyEditText->setStringValue("123");
    panel->outlets.suspendKeyButton->setState(1);
    panel->shouldPrint();
}

void dialogCycle(const std::shared_ptr<BenchHost>& host) {
    const auto panel = makePanel(host);
    benchmark::DoNotOptimize(panel->panelView());
    panel->restoreValuesAndReturnError(nullptr);
    panel->saveValuesAndReturnError(nullptr);
    benchmark::DoNotOptimize(panel->shouldPrint());
}

void setFsyncCounters(benchmark::State& state, long callsBefore, long preferenceWrites) {
    const long calls = fsyncSwitch().calls - callsBefore;
    state.counters["fsync_per_pref_write"] =
        benchmark::Counter(static_cast<double>(calls) / static_cast<double>(preferenceWrites));
    if (calls == 0) state.SkipWithError("fsync was not interposed: the counts would be wrong");
}

void BM_DialogCycle(benchmark::State& state) {
    const PrivateDefaults defaults;
    const auto host = std::make_shared<BenchHost>();
    fsyncSwitch().skipDisk = state.range(0) == 0;
    printTypicalJob(host);
    const long callsBefore = fsyncSwitch().calls;
    for (auto _ : state)
        dialogCycle(host);
    // Two preference writes a cycle: the record's check at creation and the
    // save when printing.
    setFsyncCounters(state, callsBefore, 2 * static_cast<long>(state.iterations()));
}

void BM_PreferenceSave(benchmark::State& state) {
    const PrivateDefaults defaults;
    const auto host = std::make_shared<BenchHost>();
    fsyncSwitch().skipDisk = state.range(0) == 0;
    printTypicalJob(host);
    const auto panel = makePanel(host);
    panel->panelView();
    panel->restoreValuesAndReturnError(nullptr);
    const long callsBefore = fsyncSwitch().calls;
    for (auto _ : state)
        benchmark::DoNotOptimize(panel->SaveUserPreference());
    setFsyncCounters(state, callsBefore, static_cast<long>(state.iterations()));
}

}  // namespace

BENCHMARK(BM_DialogCycle)->ArgName("fsync")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreferenceSave)->ArgName("fsync")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
