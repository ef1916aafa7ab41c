// device-simulator: serves the device's folder service on a loopback port,
// prints "listening on HOST:PORT", then logs every request it receives.
// With a print port it prints "printing on HOST:PORT" too, and logs what
// becomes of the jobs it takes there.
#include <pthread.h>
#include <signal.h>

#include <iostream>
#include <mutex>
#include <optional>
#include <stdexcept>

#include "tools/DeviceSimulator.h"
#include "tools/JobStore.h"
#include "tools/PrintPort.h"
#include "tools/SimulatorOptions.h"

namespace {

void printRequest(const RecordedRequest& request) {
    std::cout << "request: " << request.method << " " << request.path << "\n";
    for (const auto& [name, value] : request.headers)
        std::cout << "header: " << name << ": " << value << "\n";
    std::cout << "body: " << request.body.size() << " bytes\n" << request.body;
    if (!request.body.empty() && request.body.back() != '\n') std::cout << "\n";
    std::cout << "end of request\n" << std::flush;
}

// Until SIGINT or SIGTERM; the signals are blocked in every thread so that
// this thread alone takes them.
void waitForTerminationSignal(const sigset_t& signals) {
    int signal = 0;
    sigwait(&signals, &signal);
}

int run(const SimulatorOptions& options) {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    if (!options.exitAfterAnswers) pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    std::mutex outputMutex;
    DeviceSimulator::RequestObserver observer;
    if (!options.quiet)
        observer = [&outputMutex](const RecordedRequest& request) {
            const std::lock_guard lock(outputMutex);
            printRequest(request);
        };
    JobStore store(options.jobs, [&outputMutex](const std::string& line) {
        const std::lock_guard lock(outputMutex);
        std::cout << line << "\n" << std::flush;
    });
    JobStore* jobs = options.printPort ? &store : nullptr;
    DeviceSimulator simulator(options.behaviour, options.host, options.port, observer, jobs);
    std::optional<PrintPort> printPort;
    if (options.printPort) printPort.emplace(store, options.host, *options.printPort);
    {
        const std::lock_guard lock(outputMutex);
        std::cout << (options.behaviour.refuse ? "refusing on " : "listening on ") << simulator.address() << "\n";
        if (printPort) std::cout << "printing on " << options.host << ":" << printPort->port() << "\n";
        std::cout << std::flush;
    }
    if (options.exitAfterAnswers)
        simulator.waitForAnswers(*options.exitAfterAnswers);
    else
        waitForTerminationSignal(signals);
    simulator.stop();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const SimulatorOptions options = parseSimulatorOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.showHelp || options.showVersion) {
            std::cout << (options.showHelp ? simulatorUsage() : simulatorVersion());
            return 0;
        }
        return run(options);
    } catch (const std::invalid_argument& error) {
        std::cerr << "device-simulator: " << error.what() << "\n" << simulatorUsage();
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "device-simulator: " << error.what() << "\n";
        return 1;
    }
}
