#include "host/cups/Destination.h"

namespace host {

DestinationName splitDestinationName(const std::string& name) {
    const size_t slash = name.find('/');
    if (slash == std::string::npos) return {name, std::nullopt};
    return {name.substr(0, slash), name.substr(slash + 1)};
}

std::string joinedDestinationName(const std::string& queue, const std::optional<std::string>& instance) {
    return instance ? queue + "/" + *instance : queue;
}

Destination namedDestination(const std::optional<std::string>& name) {
    if (!name) return Destination(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    const DestinationName split = splitDestinationName(*name);
    return Destination(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, split.queue.c_str(), split.instance ? split.instance->c_str() : nullptr));
}

std::vector<std::pair<std::string, std::string>> destinationOptions(const std::string& name) {
    std::vector<std::pair<std::string, std::string>> options;
    const Destination destination = namedDestination(name);
    if (!destination) return options;
    for (int index = 0; index < destination->num_options; ++index)
        options.emplace_back(destination->options[index].name, destination->options[index].value);
    return options;
}

bool serverUnreachable() {
    if (cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE) return true;
    // libcups says "no such printer" also when no server answered: a
    // connection of its own tells the two apart.
    constexpr int kMilliseconds = 5000;
    http_t* probe =
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kMilliseconds, nullptr);
    if (!probe) return true;
    httpClose(probe);
    return false;
}

std::string serverName() {
    // A local socket's path names the server alone; a host goes with its port.
    std::string server = cupsServer();
    if (!server.starts_with("/") && server.find(':') == std::string::npos) server += ":" + std::to_string(ippPort());
    return server;
}

std::string unreachableServerText() {
    return "the CUPS server " + serverName() + " could not be reached";
}

bool passwordRefused() {
    const ipp_status_t status = cupsLastError();
    return status == IPP_STATUS_ERROR_NOT_AUTHENTICATED || status == IPP_STATUS_ERROR_NOT_AUTHORIZED ||
           status == IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED;
}

std::string passwordRefusedText() {
    return "the CUPS server " + serverName() + " wants a password and none was given (" + cupsLastErrorString() + ")";
}

void askNoPassword() {
    cupsSetPasswordCB2([](const char*, http_t*, const char*, const char*, void*) -> const char* { return nullptr; },
                       nullptr);
}

}  // namespace host
