// A CUPS destination as libcups hands it out, freed when it goes.
#pragma once

#include <cups/cups.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace host {

struct DestinationFree {
    void operator()(cups_dest_t* destination) const { cupsFreeDests(1, destination); }
};
using Destination = std::unique_ptr<cups_dest_t, DestinationFree>;

// A destination's name as lp takes it: "QUEUE" or "QUEUE/INSTANCE", the
// instance being one of the user's lpoptions sets for that queue.
struct DestinationName {
    std::string queue;
    std::optional<std::string> instance;
};
DestinationName splitDestinationName(const std::string& name);
// "QUEUE/INSTANCE", or the queue alone.
std::string joinedDestinationName(const std::string& queue, const std::optional<std::string>& instance);

// The destination `name` (an instance too) on the server that libcups
// reaches (CUPS_SERVER and client.conf honoured), or with no name the
// user's default destination (PRINTER, LPDEST, lpoptions -d, then the
// server's default), with the options that the user's lpoptions give it.
// Null when no server or no such queue answers; cupsLastErrorString() says
// why.
Destination namedDestination(const std::optional<std::string>& name);

// "HOST:PORT" (or a local socket's path) of the server libcups reaches.
std::string serverName();

// The options that the destination `name` has (the user's lpoptions, the
// instance's, the server's attributes); none when there is no such
// destination.
std::vector<std::pair<std::string, std::string>> destinationOptions(const std::string& name);

// Whether the last libcups failure was that no server answered at all.
bool serverUnreachable();
// "the CUPS server HOST:PORT could not be reached (REASON)".
std::string unreachableServerText();
// Whether the last failure was the server's refusal without a password.
bool passwordRefused();
// "the CUPS server HOST:PORT wants a password and none was given (REASON)".
std::string passwordRefusedText();

// libcups asks for no password: a script cannot type one, and a question
// on the terminal would hang it.
void askNoPassword();

}  // namespace host
