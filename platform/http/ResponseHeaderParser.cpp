#include "platform/http/ResponseHeaderParser.h"

#include <charconv>

namespace platform {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// "HTTP/1.1 200 OK" gives 200; 0 when the line has no status code.
long statusOfStatusLine(std::string_view line) {
    const auto space = line.find(' ');
    if (space == std::string_view::npos) return 0;
    const std::string_view rest = trimmed(line.substr(space + 1));
    long status = 0;
    std::from_chars(rest.data(), rest.data() + rest.size(), status);
    return status;
}

}  // namespace

bool ResponseHeaderParser::addLine(std::string_view line) {
    if (line.starts_with("HTTP/")) {
        statusCode_ = statusOfStatusLine(line);
        headers_.clear();
        inHeaderBlock_ = true;
        return false;
    }
    // Trailer fields after a chunked body come outside any header block.
    if (!inHeaderBlock_) return false;
    if (trimmed(line).empty()) {
        inHeaderBlock_ = false;
        return statusCode_ >= 200;
    }
    addField(line);
    return false;
}

void ResponseHeaderParser::addField(std::string_view line) {
    // A line that starts with white space continues the field before it.
    if ((line.front() == ' ' || line.front() == '\t') && !headers_.empty()) {
        headers_.back().second += " ";
        headers_.back().second += trimmed(line);
        return;
    }
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) return;
    headers_.emplace_back(std::string(trimmed(line.substr(0, colon))), std::string(trimmed(line.substr(colon + 1))));
}

}  // namespace platform
