#include "tools/SimulatorOptions.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tools/FolderAnswer.h"

namespace {

class ArgumentReader {
public:
    explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    bool done() const { return index_ >= arguments_.size(); }
    const std::string& next() { return arguments_[index_++]; }

    std::string valueOf(const std::string& option) {
        if (done()) throw std::invalid_argument("option " + option + " needs a value");
        return next();
    }

    long numberOf(const std::string& option, long lowest, long highest) {
        const std::string text = valueOf(option);
        long value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
            throw std::invalid_argument("option " + option + " needs a number from " + std::to_string(lowest) +
                                        " to " + std::to_string(highest));
        return value;
    }

private:
    const std::vector<std::string>& arguments_;
    size_t index_ = 0;
};

std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::invalid_argument("cannot read the body file " + path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace

SimulatorOptions parseSimulatorOptions(const std::vector<std::string>& arguments) {
    SimulatorOptions options;
    std::vector<SimulatedFolder> folders;
    std::string resultCode = "ok";
    bool pretty = false;
    std::optional<std::string> bodyFile;

    ArgumentReader reader(arguments);
    while (!reader.done()) {
        const std::string option = reader.next();
        DeviceBehaviour& behaviour = options.behaviour;
        if (option == "--host") options.host = reader.valueOf(option);
        else if (option == "--port") options.port = static_cast<int>(reader.numberOf(option, 0, 65535));
        else if (option == "--folder") folders.push_back({reader.valueOf(option), false, false});
        else if (option == "--protected-folder") folders.push_back({reader.valueOf(option), true, false});
        else if (option == "--result-code") resultCode = reader.valueOf(option);
        else if (option == "--pretty") pretty = true;
        else if (option == "--body") bodyFile = reader.valueOf(option);
        else if (option == "--delay") behaviour.answerDelay = std::chrono::milliseconds(reader.numberOf(option, 0, 3600000));
        else if (option == "--never") behaviour.neverAnswer = true;
        else if (option == "--status") behaviour.status = static_cast<int>(reader.numberOf(option, 200, 599));
        else if (option == "--redirect") behaviour.redirectLocation = reader.valueOf(option);
        else if (option == "--redirect-status") behaviour.redirectStatus = static_cast<int>(reader.numberOf(option, 300, 399));
        else if (option == "--refuse") behaviour.refuse = true;
        else if (option == "--exit-after") options.exitAfterAnswers = static_cast<size_t>(reader.numberOf(option, 1, 1000000));
        else if (option == "--quiet") options.quiet = true;
        else throw std::invalid_argument("unknown option " + option);
    }
    options.behaviour.answerBody = bodyFile ? contentsOf(*bodyFile) : folderListAnswer(folders, resultCode, pretty);
    return options;
}

std::string simulatorUsage() {
    return "usage: device-simulator [--host ADDRESS] [--port N]\n"
           "                        [--folder NAME]... [--protected-folder NAME]... [--result-code CODE]\n"
           "                        [--pretty] [--body FILE]\n"
           "                        [--delay MILLISECONDS] [--never] [--status CODE]\n"
           "                        [--redirect LOCATION] [--redirect-status CODE] [--refuse]\n"
           "                        [--exit-after ANSWERS] [--quiet]\n";
}
