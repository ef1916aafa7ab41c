// cupsGetPPD2 is deprecated with the rest of CUPS's PPD interface, but a
// PPD is what the panel is handed.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/cups/QueueLookup.h"

#include <cups/ppd.h>
#include <unistd.h>

#include "host/cups/Destination.h"

namespace host {

FetchedPpd::~FetchedPpd() {
    if (!path_.empty()) ::unlink(path_.c_str());
}

namespace {

std::optional<FetchedPpd> fetchPpd(const std::string& queue) {
    const char* path = cupsGetPPD2(CUPS_HTTP_DEFAULT, queue.c_str());
    if (!path) return std::nullopt;
    return FetchedPpd(path);
}

}  // namespace

std::variant<QueueFacts, QueueNotFound> lookUpQueue(const std::optional<std::string>& name, bool wantPpd) {
    const Destination destination = namedDestination(name);
    if (!destination) return QueueNotFound{cupsLastErrorString(), serverUnreachable()};
    QueueFacts facts;
    facts.name = destination->name;
    if (destination->instance) facts.instance = destination->instance;
    const char* deviceURI = cupsGetOption("device-uri", destination->num_options, destination->options);
    if (deviceURI && *deviceURI) facts.deviceURI = deviceURI;
    if (wantPpd) facts.ppd = fetchPpd(facts.name);
    return facts;
}

}  // namespace host
