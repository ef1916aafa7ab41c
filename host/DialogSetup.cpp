#include "host/DialogSetup.h"

#include <unistd.h>

#include <algorithm>
#include <variant>

#include "host/CommandLineText.h"
#include "host/InputText.h"
#include "host/cups/Destination.h"
#include "host/cups/DocumentStream.h"
#include "host/cups/JobSubmission.h"

namespace host {

namespace {

constexpr const char* kFallbackPrinter = "Office_MFP";
constexpr const char* kFallbackDeviceURI = "socket://127.0.0.1:9100";

// Refused before the dialog opens, so that nobody fills in a panel for a
// job that cannot leave. Only what can be seen without opening: opening a
// FIFO and closing it again would end its writer.
void requireReadable(const std::vector<std::filesystem::path>& documents) {
    if (std::ranges::count_if(documents, isStandardInput) > 1)
        throw UsageError("standard input (\"-\") can be only one of the documents");
    for (const std::filesystem::path& document : documents) {
        if (isStandardInput(document)) continue;
        std::error_code error;
        if (std::filesystem::is_directory(document, error))
            throw UsageError("cannot print " + document.string() + ": it is a directory");
        if (::access(document.c_str(), R_OK) != 0) throw UsageError("cannot read the document " + document.string());
    }
}

std::string jobTitle(const Options& options) {
    if (options.jobNameGiven || options.documents.empty()) return options.jobName;
    if (isStandardInput(options.documents.front())) return "(stdin)";
    return options.documents.front().filename().string();
}

[[noreturn]] void refuseMissingQueue(const Options& options, const QueueNotFound& missing) {
    if (missing.unreachable) throw SubmissionRefused("cannot print: " + unreachableServerText());
    if (options.printer)
        throw UsageError("cannot print to " + *options.printer + ": CUPS has no such queue (" + missing.reason + ")");
    throw UsageError("cannot print: CUPS has no default queue; name one with --printer (" + missing.reason + ")");
}

void takeQueueFacts(DialogSetup& setup, QueueFacts& facts, const Options& options) {
    setup.printer = facts.name;
    setup.instance = facts.instance;
    if (!options.ppd && !facts.ppd) throw UsageError(noPanelText(destinationOf(setup)));
    if (!options.deviceURI) setup.deviceURI = facts.deviceURI;
    if (!options.ppd && facts.ppd) {
        setup.ppd = facts.ppd->path();
        setup.fetchedPpd.emplace(std::move(*facts.ppd));
    }
}

}  // namespace

std::string destinationOf(const DialogSetup& setup) {
    return joinedDestinationName(setup.printer, setup.instance);
}

std::string noPanelText(const std::string& printer) {
    return "\"" + printer + "\" is not a CUPS queue with a PPD, which this dialog needs to print; nothing was printed";
}

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
        refuseMissingQueue(options, std::get<QueueNotFound>(found));
    }
    return setup;
}

std::optional<DialogSetup> settleOtherQueue(const std::string& queue, const DialogSetup& opened) {
    auto found = lookUpQueue(queue, true);
    auto* facts = std::get_if<QueueFacts>(&found);
    if (!facts || !facts->ppd) return std::nullopt;
    DialogSetup setup;
    setup.printer = facts->name;
    setup.instance = facts->instance;
    setup.deviceURI = facts->deviceURI;
    setup.ppd = facts->ppd->path();
    setup.fetchedPpd.emplace(std::move(*facts->ppd));
    setup.jobName = opened.jobName;
    setup.constraintHandling = opened.constraintHandling;
    setup.documents = opened.documents;
    return setup;
}

}  // namespace host
