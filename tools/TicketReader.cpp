#include "tools/TicketReader.h"

#include "filter/TicketVariables.h"

namespace {

// The next line, without its CR LF or LF; none when no line end follows.
std::optional<std::string_view> nextLine(std::string_view job, size_t& position) {
    const size_t end = job.find('\n', position);
    if (end == std::string_view::npos) return std::nullopt;
    std::string_view line = job.substr(position, end - position);
    if (line.ends_with('\r')) line.remove_suffix(1);
    position = end + 1;
    return line;
}

std::string unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// "@PJL SET NAME=VALUE" into the variables; other job-language lines pass.
bool readLine(std::string_view line, ReadTicket& ticket) {
    constexpr std::string_view kSet = "@PJL SET ";
    if (!line.starts_with("@PJL")) return false;
    if (!line.starts_with(kSet)) return true;
    line.remove_prefix(kSet.size());
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals == 0) return false;
    ticket.variables[std::string(line.substr(0, equals))] = unquoted(line.substr(equals + 1));
    return true;
}

}  // namespace

std::optional<ReadTicket> readTicket(std::string_view job) {
    const std::string_view exit = ticket::kUniversalExit;
    if (!job.starts_with(exit)) return std::nullopt;
    size_t position = exit.size();
    ReadTicket read;
    for (;;) {
        const auto line = nextLine(job, position);
        if (!line) return std::nullopt;
        if (line->starts_with(ticket::kEnterLanguage)) {
            read.language = std::string(line->substr(std::string_view(ticket::kEnterLanguage).size()));
            break;
        }
        if (!readLine(*line, read)) return std::nullopt;
    }
    // The end: exit, EOJ line, exit; the document is what lies between.
    const std::string closing = std::string(exit) + ticket::kEndOfJob;
    const size_t end = job.rfind(closing);
    if (end == std::string_view::npos || end < position) return std::nullopt;
    const size_t endLine = job.find('\n', end);
    if (endLine == std::string_view::npos || job.substr(endLine + 1) != exit) return std::nullopt;
    read.documentOffset = position;
    read.documentLength = end - position;
    return read;
}
