// The device's reading of a job as it arrives on the print port: the job
// ticket's variables, the document's language and where its bytes lie.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

struct ReadTicket {
    std::map<std::string, std::string> variables;  // SET lines, quotes taken off
    std::string language;
    size_t documentOffset = 0;
    size_t documentLength = 0;
};

// The job's ticket, or none when `job` is no ticketed job: it must open with
// the universal exit and job-language lines up to ENTER LANGUAGE, and close
// with the universal exit, EOJ and the universal exit again.
std::optional<ReadTicket> readTicket(std::string_view job);
