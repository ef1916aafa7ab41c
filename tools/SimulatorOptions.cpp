#include "tools/SimulatorOptions.h"

#include <getopt.h>

#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tools/FolderAnswer.h"

namespace {

enum Code : int {
    hostCode = 256,
    portCode,
    folderCode,
    protectedFolderCode,
    resultCodeCode,
    prettyCode,
    bodyCode,
    delayCode,
    neverCode,
    statusCode,
    redirectCode,
    redirectStatusCode,
    refuseCode,
    exitAfterCode,
    printPortCode,
    userCode,
    userNumberCode,
    outputCode,
    quietCode,
    helpCode,
    versionCode,
};

constexpr option kLongOptions[] = {
    {"host", required_argument, nullptr, hostCode},
    {"port", required_argument, nullptr, portCode},
    {"folder", required_argument, nullptr, folderCode},
    {"protected-folder", required_argument, nullptr, protectedFolderCode},
    {"result-code", required_argument, nullptr, resultCodeCode},
    {"pretty", no_argument, nullptr, prettyCode},
    {"body", required_argument, nullptr, bodyCode},
    {"delay", required_argument, nullptr, delayCode},
    {"never", no_argument, nullptr, neverCode},
    {"status", required_argument, nullptr, statusCode},
    {"redirect", required_argument, nullptr, redirectCode},
    {"redirect-status", required_argument, nullptr, redirectStatusCode},
    {"refuse", no_argument, nullptr, refuseCode},
    {"exit-after", required_argument, nullptr, exitAfterCode},
    {"print-port", required_argument, nullptr, printPortCode},
    {"user", required_argument, nullptr, userCode},
    {"user-number", required_argument, nullptr, userNumberCode},
    {"output", required_argument, nullptr, outputCode},
    {"quiet", no_argument, nullptr, quietCode},
    {"help", no_argument, nullptr, helpCode},
    {"version", no_argument, nullptr, versionCode},
    {nullptr, 0, nullptr, 0},
};

long numberOf(const std::string& option, const std::string& text, long lowest, long highest) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
        throw std::invalid_argument("option " + option + " needs a number from " + std::to_string(lowest) + " to " +
                                    std::to_string(highest));
    return value;
}

// The option as the user wrote it, for a message about it.
std::string writtenOption(char* const* argv, int nextIndex) {
    const std::string written = argv[nextIndex - 1];
    return written.rfind("--", 0) == 0 ? written.substr(0, written.find('=')) : written;
}

std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::invalid_argument("cannot read the body file " + path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// "NAME:CODE" with a code of digits, or a NAME alone (which may hold colons).
std::pair<std::string, std::optional<std::string>> folderAndCode(const std::string& value) {
    const size_t colon = value.rfind(':');
    if (colon == std::string::npos || colon + 1 == value.size() ||
        value.find_first_not_of("0123456789", colon + 1) != std::string::npos)
        return {value, std::nullopt};
    return {value.substr(0, colon), value.substr(colon + 1)};
}

DeviceUser userOf(const std::string& name, const std::string& value) {
    const size_t colon = value.find(':');
    if (colon == std::string::npos || colon == 0)
        throw std::invalid_argument("option " + name + " needs LOGIN:PASSWORD");
    return {value.substr(0, colon), value.substr(colon + 1)};
}

// What the command line gathers before it becomes the simulator's options.
struct Gathered {
    SimulatorOptions options;
    std::vector<SimulatedFolder> folders;
    std::string resultCode = "ok";
    bool pretty = false;
    std::optional<std::string> bodyFile;
};

void apply(Gathered& gathered, int code, const std::string& name, const std::string& value) {
    SimulatorOptions& options = gathered.options;
    DeviceBehaviour& behaviour = options.behaviour;
    switch (code) {
        case hostCode: options.host = value; break;
        case portCode: options.port = static_cast<int>(numberOf(name, value, 0, 65535)); break;
        case folderCode:
            gathered.folders.push_back({value, false, false});
            options.jobs.folders[value] = std::nullopt;
            break;
        case protectedFolderCode: {
            const auto [folder, code] = folderAndCode(value);
            gathered.folders.push_back({folder, true, false});
            options.jobs.folders[folder] = code;
            break;
        }
        case printPortCode: options.printPort = static_cast<int>(numberOf(name, value, 0, 65535)); break;
        case userCode: options.jobs.users.push_back(userOf(name, value)); break;
        case userNumberCode:
            numberOf(name, value, 0, 99999999);
            options.jobs.userNumbers.push_back(value);
            break;
        case outputCode: options.jobs.outputDirectory = value; break;
        case resultCodeCode: gathered.resultCode = value; break;
        case prettyCode: gathered.pretty = true; break;
        case bodyCode: gathered.bodyFile = value; break;
        case delayCode: behaviour.answerDelay = std::chrono::milliseconds(numberOf(name, value, 0, 3600000)); break;
        case neverCode: behaviour.neverAnswer = true; break;
        case statusCode: behaviour.status = static_cast<int>(numberOf(name, value, 200, 599)); break;
        case redirectCode: behaviour.redirectLocation = value; break;
        case redirectStatusCode: behaviour.redirectStatus = static_cast<int>(numberOf(name, value, 300, 399)); break;
        case refuseCode: behaviour.refuse = true; break;
        case exitAfterCode: options.exitAfterAnswers = static_cast<size_t>(numberOf(name, value, 1, 1000000)); break;
        case quietCode: options.quiet = true; break;
        case helpCode: options.showHelp = true; break;
        case versionCode: options.showVersion = true; break;
    }
}

}  // namespace

SimulatorOptions parseSimulatorOptions(const std::vector<std::string>& arguments) {
    std::vector<std::string> words = {"device-simulator"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());

    Gathered gathered;
    optind = 0;  // starts the C library's scan afresh
    opterr = 0;  // the messages are ours
    int index = -1;
    for (int code; (code = getopt_long(argc, argv.data(), ":", kLongOptions, &index)) != -1; index = -1) {
        // The option's own name: with "--port 8080" the word before optind is the value.
        const std::string name =
            index >= 0 ? std::string("--") + kLongOptions[index].name : writtenOption(argv.data(), optind);
        if (code == '?') throw std::invalid_argument("unknown option " + name);
        if (code == ':') throw std::invalid_argument("option " + name + " needs a value");
        apply(gathered, code, name, optarg ? optarg : "");
    }
    if (optind < argc)
        throw std::invalid_argument("unexpected argument " + std::string(argv[static_cast<size_t>(optind)]));
    SimulatorOptions options = gathered.options;
    options.behaviour.answerBody = gathered.bodyFile
                                       ? contentsOf(*gathered.bodyFile)
                                       : folderListAnswer(gathered.folders, gathered.resultCode, gathered.pretty);
    return options;
}

std::string simulatorUsage() {
    return "usage: device-simulator [--host ADDRESS] [--port N]\n"
           "                        [--folder NAME]... [--protected-folder NAME]... [--result-code CODE]\n"
           "                        [--pretty] [--body FILE]\n"
           "                        [--delay MILLISECONDS] [--never] [--status CODE]\n"
           "                        [--redirect LOCATION] [--redirect-status CODE] [--refuse]\n"
           "                        [--exit-after ANSWERS] [--quiet] [--help] [--version]\n"
           "                        [--print-port N] [--protected-folder NAME:CODE]... [--user LOGIN:PASSWORD]...\n"
           "                        [--user-number N]... [--output DIR]\n"
           "Serves the device's folder service on loopback; --port 0 (the default) takes a free port.\n"
           "With --print-port it also takes print jobs there (0: a free port), holds, files and releases\n"
           "them, and lists them at /jobs on the folder port.\n"
           "Long options take their value as \"--port 8080\" or \"--port=8080\".\n";
}

std::string simulatorVersion() {
    return "device-simulator " NELVO_VERSION "\n";
}
