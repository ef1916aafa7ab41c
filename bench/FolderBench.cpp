// The folder fetch's costs: how late sendMessage returns after the device's
// last byte (against a simulator that answers after 100 ms), and the cost
// of reading answers of 10 to 100,000 folders, per folder.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "folders/NelvoPrintPdeZlm420kJCSOAPClient.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"
#include "tools/DeviceSimulator.h"
#include "tools/FolderAnswer.h"

namespace {

class IgnoringContext : public SOAPClientCallback {
public:
    void recieveEndCallback() override {}
};

std::vector<SimulatedFolder> sampleFolders(size_t count) {
    std::vector<SimulatedFolder> folders;
    folders.reserve(count);
    for (size_t i = 0; i < count; ++i)
        folders.push_back({"Folder " + std::to_string(i), i % 3 == 0, i % 5 == 0});
    return folders;
}

// While it lives, the response file goes to a directory of the benchmark's
// own, not the user's.
class PrivateTemporaryDirectory {
public:
    PrivateTemporaryDirectory() {
        if (const char* earlier = std::getenv("TMPDIR")) earlier_ = earlier;
        setenv("TMPDIR", directory_.path().c_str(), 1);
    }
    ~PrivateTemporaryDirectory() {
        if (earlier_)
            setenv("TMPDIR", earlier_->c_str(), 1);
        else
            unsetenv("TMPDIR");
    }

private:
    TempDir directory_{"nelvo-bench"};
    std::optional<std::string> earlier_;
};

void BM_SendMessageLatencyAfterLastByte(benchmark::State& state) {
    const PrivateTemporaryDirectory directory;
    DeviceBehaviour behaviour;
    behaviour.answerBody = folderListAnswer(sampleFolders(10));
    behaviour.answerDelay = std::chrono::milliseconds(100);
    DeviceSimulator simulator(behaviour);
    const std::string url = "http://" + simulator.address() + kFolderServicePath;
    const NSData body(200, 'x');
    IgnoringContext context;

    for (auto _ : state) {
        auto client = NelvoPrintPdeZlm420kJCSOAPClient::initWithServerName(url, &context);
        client->sendMessage(body);
        const auto returned = std::chrono::steady_clock::now();
        const auto lastByte = simulator.lastBodyByteSent();
        if (!lastByte) {
            state.SkipWithError("the simulator sent no answer");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(returned - *lastByte).count());
    }
}
BENCHMARK(BM_SendMessageLatencyAfterLastByte)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

void BM_ParseXML(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    const TempDir directory("nelvo-bench");
    const std::string path = directory.write("answer.xml", folderListAnswer(sampleFolders(count), "ok", true)).string();
    const auto panel = NelvoPrintPdeZlm420kJC::initWithCallback(std::make_shared<FakeHost>(), nullptr);

    for (auto _ : state) {
        const bool parsed = panel->parseXML(path);
        benchmark::DoNotOptimize(parsed);
    }
    state.SetComplexityN(state.range(0));
    state.counters["per_folder"] = benchmark::Counter(
        static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ParseXML)->Arg(10)->Arg(1000)->Arg(100000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);

}  // namespace
