// The device-simulator program's command line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "tools/DeviceSimulator.h"
#include "tools/JobStore.h"

struct SimulatorOptions {
    std::string host = "127.0.0.1";
    int port = 0;
    DeviceBehaviour behaviour;
    std::optional<size_t> exitAfterAnswers;
    std::optional<int> printPort;  // --print-port: jobs are taken there
    JobPolicy jobs;                // the folders, users and output of the print port
    bool quiet = false;
    bool showHelp = false;     // --help: the usage, nothing served
    bool showVersion = false;  // --version
};

// The options of `arguments` (without the program name), GNU style
// ("--port 0" or "--port=0"). Reads the body file when one is given.
// Throws std::invalid_argument with a message.
SimulatorOptions parseSimulatorOptions(const std::vector<std::string>& arguments);

std::string simulatorUsage();
std::string simulatorVersion();
