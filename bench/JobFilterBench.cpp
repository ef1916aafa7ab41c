// The job filter passing a 1 GiB PostScript document, beside cat passing the
// same bytes, in one run: each iteration is one process fed through a pipe,
// its output discarded. The throughput is bytes_per_second; the process's
// peak resident memory (from wait4) is the counter "peak_rss_mib". Run with
// repetitions for medians, e.g. --benchmark_repetitions=5
// --benchmark_report_aggregates_only=true.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr size_t kDocumentBytes = size_t{1} << 30;
constexpr size_t kPieceBytes = 1 << 20;

// Runs `argv` with the document written into its standard input; answers
// its peak resident memory in MiB.
double passDocument(const std::vector<std::string>& argv) {
    int feed[2];
    if (pipe(feed) != 0) throw std::runtime_error("no pipe");
    const pid_t child = fork();
    if (child == 0) {
        dup2(feed[0], STDIN_FILENO);
        const int sink = open("/dev/null", O_WRONLY);
        dup2(sink, STDOUT_FILENO);
        close(feed[0]);
        close(feed[1]);
        std::vector<char*> arguments;
        for (const std::string& word : argv)
            arguments.push_back(const_cast<char*>(word.c_str()));
        arguments.push_back(nullptr);
        execv(arguments[0], arguments.data());
        _exit(127);
    }
    close(feed[0]);
    std::string piece(kPieceBytes, 'x');
    std::memcpy(piece.data(), "%!PS-Adobe-3.0\n", 15);
    for (size_t sent = 0; sent < kDocumentBytes; sent += piece.size()) {
        if (write(feed[1], piece.data(), piece.size()) != static_cast<ssize_t>(piece.size()))
            throw std::runtime_error("short write");
        piece[0] = 'x';
    }
    close(feed[1]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(argv[0] + " failed");
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void measure(benchmark::State& state, const std::vector<std::string>& argv) {
    double peak = 0;
    for (auto _ : state)
        peak = passDocument(argv);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kDocumentBytes));
    state.counters["peak_rss_mib"] = peak;
}

void JobFilterPasses1GiB(benchmark::State& state) {
    measure(state, {NELVO_JOB_FILTER, "1", "alice", "report.ps", "1", ""});
}
void CatPasses1GiB(benchmark::State& state) {
    measure(state, {"/bin/cat"});
}

BENCHMARK(JobFilterPasses1GiB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(CatPasses1GiB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
