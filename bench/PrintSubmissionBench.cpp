// The whole print-dialog process of a scripted typical print with --print,
// submitting to a queue on a private CUPS scheduler, beside lp submitting
// the same document with the same options to the same queue, in one run;
// and the dialog's start alone (--version) beside lpstat -v, which asks
// the scheduler one question.
// Each iteration is one process from start to exit: the wall time is the
// benchmark's real time, the process's own CPU time (user and system, from
// wait4) is the counter "process_cpu_ms". Run with repetitions for medians,
// e.g. --benchmark_repetitions=15 --benchmark_report_aggregates_only=true.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <wordexp.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "tests/support/ChildEnvironment.h"
#include "tests/support/PrivateCups.h"
#include "tests/support/RunProgram.h"

namespace {

namespace fs = std::filesystem;

const std::string kDocument = NELVO_SOURCE_DIR "/examples/report.ps";
const std::string kScript = NELVO_SOURCE_DIR "/examples/typical-print.txt";

// One queue for the whole run; every job prints through its filter.
struct Bench {
    PrivateCups cups;
    TempDir home{"bench-home"};
    Bench() {
        cups.addQueue("Office_MFP");
        cups.administer({"/usr/sbin/lpadmin", "-d", "Office_MFP"});
    }
};

Bench& bench() {
    static Bench instance;
    return instance;
}

// Runs a program to its end, its output discarded; its CPU time in ms.
double runMeasured(std::vector<std::string> argv, const std::map<std::string, std::string>& environment) {
    std::vector<std::string> variables = environmentWith(environment);
    std::vector<char*> arguments = pointersTo(argv);
    std::vector<char*> pointers = pointersTo(variables);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    const int failed = posix_spawn(&child, arguments[0], &actions, nullptr, arguments.data(), pointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error("cannot start " + argv[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(argv[0] + " failed");
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Each dialog starts with no remembered values, as the first print does.
std::map<std::string, std::string> freshEnvironment(const fs::path& config) {
    fs::remove_all(config);
    fs::create_directories(config);
    return {{"CUPS_SERVER", bench().cups.server()}, {"XDG_CONFIG_HOME", config.string()}, {"LC_ALL", "C"}};
}

void PrintDialogSubmits(benchmark::State& state) {
    const fs::path config = bench().home.path() / "config";
    double cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto environment = freshEnvironment(config);
        state.ResumeTiming();
        cpu += runMeasured({NELVO_BUILD_DIR "/print-dialog", "--print", kDocument, kScript}, environment);
    }
    state.counters["process_cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

void PrintDialogShowsVersion(benchmark::State& state) {
    double cpu = 0;
    for (auto _ : state)
        cpu += runMeasured({NELVO_BUILD_DIR "/print-dialog", "--version"}, {{"LC_ALL", "C"}});
    state.counters["process_cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

void LpstatListsQueues(benchmark::State& state) {
    const auto environment = bench().cups.environment();
    double cpu = 0;
    for (auto _ : state)
        cpu += runMeasured({"/usr/bin/lpstat", "-v"}, environment);
    state.counters["process_cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

// lp's arguments for the same job: what print-dialog --lp-options gives for
// the same script, split as a shell would.
std::vector<std::string> lpCommand() {
    const fs::path config = bench().home.path() / "config";
    const ProgramResult options =
        runProgram({NELVO_BUILD_DIR "/print-dialog", "--lp-options", kScript}, {}, freshEnvironment(config));
    std::vector<std::string> argv = {"/usr/bin/lp", "-d", "Office_MFP", "-t", "report.ps"};
    wordexp_t words{};
    std::string line = options.out;
    while (!line.empty() && line.back() == '\n')
        line.pop_back();
    if (wordexp(line.c_str(), &words, WRDE_NOCMD) != 0) throw std::runtime_error("cannot split " + line);
    for (size_t index = 0; index < words.we_wordc; ++index)
        argv.emplace_back(words.we_wordv[index]);
    wordfree(&words);
    argv.push_back(kDocument);
    return argv;
}

void LpSubmits(benchmark::State& state) {
    const std::vector<std::string> argv = lpCommand();
    const auto environment = bench().cups.environment();
    double cpu = 0;
    for (auto _ : state)
        cpu += runMeasured(argv, environment);
    state.counters["process_cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

BENCHMARK(PrintDialogShowsVersion)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(LpstatListsQueues)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(PrintDialogSubmits)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(LpSubmits)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
