// The whole path of a held job: print-dialog --print of the typical print to
// a private CUPS queue with the sample PPD (the job filter) and CUPS's
// socket backend, until the device simulator lists the job. Each iteration
// is one print; run with repetitions for medians, e.g.
// --benchmark_repetitions=10 --benchmark_report_aggregates_only=true.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "tests/support/PrivateCups.h"
#include "tests/support/RunProgram.h"
#include "tools/JobStore.h"
#include "tools/PrintPort.h"

namespace {

namespace fs = std::filesystem;

struct Bench {
    PrivateCups cups;
    TempDir home{"bench-home"};
    JobStore store{JobPolicy{}};
    PrintPort port{store, "127.0.0.1", 0};
    Bench() {
        // No SNMP: the simulator answers none, and the backend would wait.
        cups.addQueue("Office_MFP", "socket://127.0.0.1:" + std::to_string(port.port()) + "/?snmp=false",
                      NELVO_SOURCE_DIR "/examples/NelvoZlm420k.ppd", QueueFilter::jobFilter);
    }
};

Bench& bench() {
    static Bench instance;
    return instance;
}

void PrintDialogToHeldAtTheDevice(benchmark::State& state) {
    const fs::path config = bench().home.path() / "config";
    size_t printed = bench().store.jobs().size();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(config);
        fs::create_directories(config);
        state.ResumeTiming();
        const ProgramResult result = runProgram(
            {NELVO_BUILD_DIR "/print-dialog", "--printer", "Office_MFP", "--print",
             NELVO_SOURCE_DIR "/examples/report.ps", NELVO_SOURCE_DIR "/examples/typical-print.txt"},
            {}, {{"CUPS_SERVER", bench().cups.server()}, {"XDG_CONFIG_HOME", config.string()}, {"LC_ALL", "C"}});
        if (result.exitStatus != 0) throw std::runtime_error("print-dialog failed: " + result.err);
        if (!bench().store.waitForJobs(++printed, std::chrono::steady_clock::now() + std::chrono::seconds(60)))
            throw std::runtime_error("the job did not reach the device");
    }
    if (bench().store.jobs().back().state != "held") throw std::runtime_error("the job was not held");
}

BENCHMARK(PrintDialogToHeldAtTheDevice)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
