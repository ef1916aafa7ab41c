#include "host/DialogSetup.h"

#include <fstream>
#include <variant>

#include "host/CommandLineText.h"
#include "host/UsageError.h"

namespace host {

namespace {

constexpr const char* kFallbackPrinter = "Office_MFP";
constexpr const char* kFallbackDeviceURI = "socket://127.0.0.1:9100";

// Refused before the dialog opens, so that nobody fills in a panel for a
// job that cannot leave.
void requireReadable(const std::vector<std::filesystem::path>& documents) {
    for (const std::filesystem::path& document : documents) {
        std::error_code error;
        if (std::filesystem::is_directory(document, error))
            throw UsageError("cannot print " + document.string() + ": it is a directory");
        if (!std::ifstream(document, std::ios::binary))
            throw UsageError("cannot read the document " + document.string());
    }
}

std::string jobTitle(const Options& options) {
    if (options.jobNameGiven || options.documents.empty()) return options.jobName;
    return options.documents.front().filename().string();
}

void takeQueueFacts(DialogSetup& setup, QueueFacts& facts, const Options& options) {
    setup.printer = facts.name;
    if (!options.deviceURI) setup.deviceURI = facts.deviceURI;
    if (!options.ppd && facts.ppd) {
        setup.ppd = facts.ppd->path();
        setup.fetchedPpd.emplace(std::move(*facts.ppd));
    }
}

}  // namespace

DialogSetup settleDialog(const Options& options, const std::filesystem::path& programDirectory) {
    requireReadable(options.documents);
    DialogSetup setup;
    setup.printer = options.printer.value_or(kFallbackPrinter);
    setup.ppd = options.ppd.value_or(samplePpd(programDirectory));
    setup.deviceURI = options.deviceURI.value_or(kFallbackDeviceURI);
    setup.jobName = utf8FromCommandLine(jobTitle(options));
    setup.constraintHandling = options.constraintHandling;
    setup.documents = options.documents;

    auto found = lookUpQueue(options.printer, !options.ppd);
    if (auto* facts = std::get_if<QueueFacts>(&found)) {
        takeQueueFacts(setup, *facts, options);
    } else if (!options.documents.empty()) {
        const std::string& reason = std::get<QueueNotFound>(found).reason;
        if (options.printer)
            throw UsageError("cannot print to " + *options.printer + ": CUPS has no such queue (" + reason + ")");
        throw UsageError("cannot print: CUPS has no default queue; name one with --printer (" + reason + ")");
    }
    return setup;
}

std::optional<DialogSetup> settleOtherQueue(const std::string& queue, const DialogSetup& opened) {
    auto found = lookUpQueue(queue, true);
    auto* facts = std::get_if<QueueFacts>(&found);
    if (!facts || !facts->ppd) return std::nullopt;
    DialogSetup setup;
    setup.printer = facts->name;
    setup.deviceURI = facts->deviceURI;
    setup.ppd = facts->ppd->path();
    setup.fetchedPpd.emplace(std::move(*facts->ppd));
    setup.jobName = opened.jobName;
    setup.constraintHandling = opened.constraintHandling;
    setup.documents = opened.documents;
    return setup;
}

}  // namespace host
