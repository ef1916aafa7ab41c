// A CUPS destination as libcups hands it out, freed when it goes.
#pragma once

#include <cups/cups.h>

#include <memory>
#include <optional>
#include <string>

namespace host {

struct DestinationFree {
    void operator()(cups_dest_t* destination) const { cupsFreeDests(1, destination); }
};
using Destination = std::unique_ptr<cups_dest_t, DestinationFree>;

// The queue `name` on the server that libcups reaches (CUPS_SERVER and
// client.conf honoured), or with no name the user's default destination
// (PRINTER, LPDEST, lpoptions -d, then the server's default). Null when
// no server or no such queue answers; cupsLastErrorString() says why.
inline Destination namedDestination(const std::optional<std::string>& name) {
    return Destination(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name ? name->c_str() : nullptr, nullptr));
}

}  // namespace host
