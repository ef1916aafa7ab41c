// How long GTK's print dialog takes from process start to its first drawn
// frame, with the Job Handling tab and without it, side by side. Each
// opening is a fresh process (GTK starts once per process): this program
// runs itself as the child, which opens the dialog, waits for the first
// frame and says so on its standard output. Needs a display (xvfb-run).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <string>

#include "host/DialogSetup.h"
#include "host/PlugInLoader.h"
#include "host/ScriptedHost.h"
#include "host/gtk/FrameWait.h"
#include "host/gtk/GtkPanelDialog.h"

extern char** environ;

using host::DialogSetup;
using host::GtkPanelDialog;
using host::LoadedPlugIn;
using host::PrintDialogWindow;
using host::ScriptedHost;
using host::waitForFrame;

namespace {

constexpr const char* kChildFlag = "--open-dialog";
std::string selfPath;

// Says that the first frame is drawn and leaves at once: what follows the
// first frame (closing the dialog, letting the panel go) is not measured.
[[noreturn]] void reportDrawn() {
    const char drawn[] = "drawn\n";
    _exit(write(STDOUT_FILENO, drawn, sizeof drawn - 1) < 0 ? 4 : 0);
}

int openDialogAndReport(bool withPanel) {
    if (!gtk_init_check()) return 2;
    if (!withPanel) {
        PrintDialogWindow window("Print", "Office_MFP");
        window.present();
        if (!waitForFrame(GTK_WIDGET(window.window()), std::chrono::seconds(10))) return 3;
        reportDrawn();
    }
    DialogSetup setup;
    setup.ppd = NELVO_SAMPLE_PPD;
    setup.printer = "Office_MFP";
    setup.jobName = "Untitled";
    auto host = std::make_shared<ScriptedHost>(setup);
    LoadedPlugIn plugIn(NELVO_BUNDLE_DIR);
    GtkPanelDialog dialog(GtkPanelDialog::Parts{plugIn.principal(), host, "Print", setup.printer});
    dialog.present();
    reportDrawn();
}

// Starts this program as the child and gives the seconds until its frame.
double secondsToFirstFrame(const char* variant) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::string flag = kChildFlag;
    std::string which = variant;
    char* argv[] = {selfPath.data(), flag.data(), which.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = -1;
    const int spawned = posix_spawn(&child, selfPath.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    char buffer[16];
    const ssize_t got = spawned == 0 ? read(pipeEnds[0], buffer, sizeof buffer) : -1;
    const auto end = std::chrono::steady_clock::now();
    close(pipeEnds[0]);
    int status = 0;
    if (spawned == 0) waitpid(child, &status, 0);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double>(end - start).count();
}

void openingTime(benchmark::State& state, const char* variant) {
    for (auto _ : state) {
        const double seconds = secondsToFirstFrame(variant);
        if (seconds < 0) {
            state.SkipWithError("the dialog did not open (no display?)");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

}  // namespace

BENCHMARK_CAPTURE(openingTime, withoutPanel, "plain")->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openingTime, withPanel, "panel")->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kChildFlag) == 0)
        return openDialogAndReport(std::strcmp(argv[2], "panel") == 0);
    char resolved[4096];
    const ssize_t length = readlink("/proc/self/exe", resolved, sizeof resolved - 1);
    selfPath = length > 0 ? std::string(resolved, static_cast<size_t>(length)) : argv[0];
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
