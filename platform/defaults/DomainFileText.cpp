#include "platform/defaults/DomainFileText.h"

#include <utility>
#include <vector>

namespace defaults {
namespace {

using nlohmann::json;

constexpr const char* kNameKey = "domain";
constexpr const char* kContentsKey = "contents";

// Parses `text`, refusing it as soon as a dictionary or an array opens
// deeper than `mostNesting`: what lies below is discarded while parsing
// goes on, so no depth of nesting costs memory or stack.
std::optional<json> parseBounded(const std::string& text, int mostNesting) {
    bool tooDeep = false;
    const json::parser_callback_t bound = [&](int depth, json::parse_event_t event, json&) {
        const bool opens = event == json::parse_event_t::object_start || event == json::parse_event_t::array_start;
        if (opens && depth >= mostNesting) tooDeep = true;
        return !tooDeep;
    };
    json parsed = json::parse(text, bound, false);
    if (tooDeep || parsed.is_discarded()) return std::nullopt;
    return parsed;
}

// Whether `value` nests dictionaries and arrays deeper than `mostNesting`;
// measured without recursion.
bool nestedDeeperThan(const json& value, int mostNesting) {
    std::vector<std::pair<const json*, int>> pending{{&value, 1}};
    while (!pending.empty()) {
        const auto [next, depth] = pending.back();
        pending.pop_back();
        if (!next->is_structured()) continue;
        if (depth > mostNesting) return true;
        for (const json& child : *next)
            pending.emplace_back(&child, depth + 1);
    }
    return false;
}

// The text that JSON keeps of `value`: a name that is not valid UTF-8 is
// stored with replacement characters and must still be recognised.
std::string writtenForm(const json& value) {
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace

std::optional<json> domainFromFileText(const std::string& text, const std::optional<std::string>& shortenedFor) {
    const std::optional<json> parsed = parseBounded(text, kMostNesting + (shortenedFor ? 1 : 0));
    if (!parsed || !parsed->is_object()) return std::nullopt;
    if (!shortenedFor) return parsed;
    const auto name = parsed->find(kNameKey);
    const auto contents = parsed->find(kContentsKey);
    if (name == parsed->end() || writtenForm(*name) != writtenForm(*shortenedFor) || contents == parsed->end() ||
        !contents->is_object())
        return std::nullopt;
    return *contents;
}

std::optional<std::string> fileTextOfDomain(const json& domain, const std::optional<std::string>& shortenedFor) {
    if (nestedDeeperThan(domain, kMostNesting)) return std::nullopt;
    const json document = shortenedFor ? json{{kNameKey, *shortenedFor}, {kContentsKey, domain}} : domain;
    return writtenForm(document) + "\n";
}

}  // namespace defaults
