#include "platform/defaults/DomainFileText.h"

#include <utility>
#include <vector>

namespace defaults {
namespace {

using nlohmann::json;

constexpr const char* kNameKey = "domain";
constexpr const char* kContentsKey = "contents";

// Counts how deep dictionaries and arrays open and stops at the first one
// deeper than the limit; it builds nothing. nlohmann's callback parser would
// check the same while building, but it rescans the enclosing array each time
// a dictionary in it ends, which makes a long folder list quadratic.
class NestingCheck : public nlohmann::json_sax<json> {
public:
    explicit NestingCheck(int mostNesting) : mostNesting_(mostNesting) {}
    bool tooDeep() const { return tooDeep_; }

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return open(); }
    bool key(string_t&) override { return true; }
    bool end_object() override { return close(); }
    bool start_array(std::size_t) override { return open(); }
    bool end_array() override { return close(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }

private:
    bool open() {
        tooDeep_ = ++depth_ > mostNesting_;
        return !tooDeep_;
    }
    bool close() {
        --depth_;
        return true;
    }

    int mostNesting_;
    int depth_ = 0;
    bool tooDeep_ = false;
};

// Parses `text`, refusing it when a dictionary or an array opens deeper than
// `mostNesting`. The depth is checked first, so the parse that builds the
// value never meets more nesting than the limit, and both passes are linear.
std::optional<json> parseBounded(const std::string& text, int mostNesting) {
    NestingCheck check(mostNesting);
    if (!json::sax_parse(text, &check) || check.tooDeep()) return std::nullopt;
    json parsed = json::parse(text, nullptr, false);
    if (parsed.is_discarded()) return std::nullopt;
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
