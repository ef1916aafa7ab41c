#include "host/Options.h"

#include <getopt.h>

#include "host/InputText.h"
#include "host/ProgramFiles.h"

namespace host {

namespace {

// Long options without a short form get codes beyond the characters.
enum Code : int {
    bundleCode = 256,
    ppdCode,
    deviceUriCode,
    jobNameCode,
    settingsCode,
    noConstraintHandlingCode,
    interactiveCode,
    asciiCode,
    guiCode,
    lpOptionsCode,
    printCode,
    screenDumpCode,
    versionCode,
};

constexpr option kLongOptions[] = {
    {"bundle", required_argument, nullptr, bundleCode},
    {"ppd", required_argument, nullptr, ppdCode},
    {"printer", required_argument, nullptr, 'd'},
    {"device-uri", required_argument, nullptr, deviceUriCode},
    {"job-name", required_argument, nullptr, jobNameCode},
    {"print", required_argument, nullptr, printCode},
    {"settings", required_argument, nullptr, settingsCode},
    {"no-constraint-handling", no_argument, nullptr, noConstraintHandlingCode},
    {"interactive", no_argument, nullptr, interactiveCode},
    {"ascii", no_argument, nullptr, asciiCode},
    {"gui", no_argument, nullptr, guiCode},
    {"lp-options", no_argument, nullptr, lpOptionsCode},
    {"screen-dump", required_argument, nullptr, screenDumpCode},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, versionCode},
    {nullptr, 0, nullptr, 0},
};

int descriptorOf(const std::string& text) {
    const std::optional<int> descriptor = wholeNumber(text);
    if (!descriptor || *descriptor < 0) throw UsageError("--screen-dump needs a file descriptor number");
    return *descriptor;
}

// The option as the user wrote it, for a message about it. getopt leaves
// the word it stopped at before `nextIndex`; a short option inside a word
// ("-xd") is named by its character alone.
std::string offendingOption(char* const* argv, int nextIndex) {
    const std::string written = argv[nextIndex - 1];
    if (written.rfind("--", 0) == 0) return written.substr(0, written.find('='));
    return std::string("-") + static_cast<char>(optopt);
}

void apply(Options& options, int code, const std::string& value) {
    switch (code) {
        case bundleCode: options.bundle = value; break;
        case ppdCode: options.ppd = value; break;
        case 'd':
            if (value.empty()) throw UsageError("--printer needs a non-empty identifier");
            options.printer = value;
            break;
        case deviceUriCode: options.deviceURI = value; break;
        case jobNameCode:
            options.jobName = value;
            options.jobNameGiven = true;
            break;
        case printCode: options.documents.emplace_back(value); break;
        case settingsCode: options.settingsFile = value; break;
        case noConstraintHandlingCode: options.constraintHandling = false; break;
        case interactiveCode: options.interactive = true; break;
        case asciiCode: options.ascii = true; break;
        case guiCode: options.gui = true; break;
        case lpOptionsCode: options.lpOptions = true; break;
        case screenDumpCode: options.screenDumpDescriptor = descriptorOf(value); break;
        case 'h': options.request = Options::Request::showHelp; break;
        case versionCode: options.request = Options::Request::showVersion; break;
    }
}

void checkCombination(const Options& options) {
    if (options.interactive && options.script) throw UsageError("--interactive takes no script");
    if (options.lpOptions && !options.documents.empty())
        throw UsageError("--lp-options and --print exclude each other: either lp prints or the dialog does");
}

}  // namespace

Options parseOptions(const std::vector<std::string>& arguments, const std::filesystem::path& programDirectory) {
    Options options;
    options.bundle = programFiles(programDirectory).bundle;

    // getopt_long takes the C argument vector and may reorder it.
    std::vector<std::string> words = {"print-dialog"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());

    optind = 0;  // starts the C library's scan afresh
    opterr = 0;  // the messages are ours
    for (int code; (code = getopt_long(argc, argv.data(), ":d:h", kLongOptions, nullptr)) != -1;) {
        if (code == '?') throw UsageError("unknown option " + offendingOption(argv.data(), optind));
        if (code == ':') throw UsageError("option " + offendingOption(argv.data(), optind) + " needs a value");
        apply(options, code, optarg ? optarg : "");
    }
    for (int index = optind; index < argc; ++index) {
        if (options.script) throw UsageError("more than one script given");
        options.script = argv[static_cast<size_t>(index)];
    }
    checkCombination(options);
    return options;
}

std::filesystem::path samplePpd(const std::filesystem::path& programDirectory) {
    return programFiles(programDirectory).samplePpd;
}

std::string usageText() {
    return "usage: print-dialog [OPTION]... [SCRIPT | -]\n"
           "Opens the Job Handling panel as a print dialog does, runs SCRIPT (or standard input, \"-\")\n"
           "or, on a terminal without a script, lets you use the panel there; after a print it submits\n"
           "the documents given with --print to the CUPS queue.\n"
           "\n"
           "  -d, --printer=NAME          the CUPS queue or QUEUE/INSTANCE (default: your default one)\n"
           "      --print=FILE            a document of the job (- for standard input); repeat for more\n"
           "      --job-name=NAME         the job's title (default: the first document's name)\n"
           "      --ppd=FILE              the PPD to use instead of the queue's own\n"
           "      --device-uri=URI        the device URI to use instead of the queue's own\n"
           "      --bundle=DIR            the plug-in bundle (default: the one beside the program)\n"
           "      --settings=FILE         keeps the job's print settings in FILE between runs\n"
           "      --no-constraint-handling  the dialog offers the panel no constraint handling\n"
           "      --lp-options            after a print, writes only lp's -o arguments on standard\n"
           "                              output (the transcript goes to standard error)\n"
           "      --interactive           the terminal dialog, also when standard input is a pipe\n"
           "      --ascii                 the terminal dialog draws ASCII marks only\n"
           "      --gui                   GTK's print dialog with the panel as a tab\n"
           "  -h, --help                  shows this text\n"
           "      --version               shows the program's version\n"
           "\n"
           "Exit status: 0 printed (or a script ran), 1 cancelled, 2 bad input or command line,\n"
           "3 the print server refused the job.\n";
}

std::string versionText() {
    return "print-dialog " NELVO_VERSION "\n";
}

}  // namespace host
