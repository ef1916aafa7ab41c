// What the dialog opens with: the queue, its PPD and device URI, the job's
// title and documents, settled from the command line and what CUPS knows.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/Options.h"
#include "host/cups/QueueLookup.h"

namespace host {

struct DialogSetup {
    std::string printer;                  // the CUPS queue
    std::optional<std::string> instance;  // the user's lpoptions instance of it
    std::filesystem::path ppd;
    std::optional<std::string> deviceURI;
    std::string jobName;
    bool constraintHandling = true;
    std::vector<std::filesystem::path> documents;
    std::optional<FetchedPpd> fetchedPpd;  // keeps the queue's PPD while the dialog opens it
};

// Asks CUPS for the queue; --ppd and --device-uri override what it says.
// Without documents, a queue that CUPS does not know falls back to the
// sample PPD beside the program, "Office_MFP" and socket://127.0.0.1:9100.
// Throws UsageError, naming it, for a document that cannot be read, a
// queue without a PPD or, with documents, a queue that the server does not
// have; SubmissionRefused when, with documents, no server answers.
// Documents are looked at, never opened: a FIFO or standard input ("-")
// is read once, when the job is sent.
// "QUEUE/INSTANCE", or the queue alone.
std::string destinationOf(const DialogSetup& setup);

// Why a print to `printer` (a queue without a PPD, a printer of GTK's own)
// is refused: the panel is made from the queue's PPD.
std::string noPanelText(const std::string& printer);

DialogSetup settleDialog(const Options& options, const std::filesystem::path& programDirectory);

// The setup for another queue that the person chose in the dialog: that
// queue's own PPD and device URI from CUPS (the command line's --ppd and
// --device-uri were meant for the first queue), the job's title,
// documents and constraint handling as `opened` has them. None when CUPS
// has no such queue (a printer of GTK's own, such as "Print to File") or
// the queue has no PPD to give a panel.
std::optional<DialogSetup> settleOtherQueue(const std::string& queue, const DialogSetup& opened);

}  // namespace host
