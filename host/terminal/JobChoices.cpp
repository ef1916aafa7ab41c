#include "host/terminal/JobChoices.h"

#include <sstream>

#include "host/InputText.h"

namespace host {

namespace {

// CUPS's own limit on copies unless the server is set up otherwise.
constexpr int kMostCopies = 9999;

std::optional<TwoSided> twoSidedOfSides(const std::string& sides) {
    if (sides == "one-sided") return TwoSided::off;
    if (sides == "two-sided-long-edge") return TwoSided::longEdge;
    if (sides == "two-sided-short-edge") return TwoSided::shortEdge;
    return std::nullopt;
}

std::optional<TwoSided> twoSidedOfDuplex(const std::string& duplex) {
    if (duplex == "None") return TwoSided::off;
    if (duplex == "DuplexNoTumble") return TwoSided::longEdge;
    if (duplex == "DuplexTumble") return TwoSided::shortEdge;
    return std::nullopt;
}

std::string sidesOf(TwoSided twoSided) {
    switch (twoSided) {
        case TwoSided::off: return "one-sided";
        case TwoSided::longEdge: return "two-sided-long-edge";
        case TwoSided::shortEdge: return "two-sided-short-edge";
    }
    return {};
}

std::string duplexOf(TwoSided twoSided) {
    switch (twoSided) {
        case TwoSided::off: return "None";
        case TwoSided::longEdge: return "DuplexNoTumble";
        case TwoSided::shortEdge: return "DuplexTumble";
    }
    return {};
}

std::optional<int> pageNumber(const std::string& text) {
    const std::optional<int> number = wholeNumber(text);
    return number && *number >= 1 ? number : std::nullopt;
}

bool isPageRanges(const std::string& pages) {
    if (pages.empty() || pages.back() == ',') return false;
    std::istringstream parts(pages);
    for (std::string part; std::getline(parts, part, ',');) {
        const size_t dash = part.find('-');
        const std::optional<int> first = pageNumber(part.substr(0, dash));
        const std::optional<int> last = dash == std::string::npos ? first : pageNumber(part.substr(dash + 1));
        if (!first || !last || *last < *first) return false;
    }
    return true;
}

}  // namespace

JobChoices choicesFromDestination(const OptionPairs& destinationOptions, const std::optional<std::string>& ppdDuplex) {
    JobChoices choices;
    choices.twoSidedOffered = ppdDuplex.has_value();
    if (ppdDuplex) choices.twoSided = twoSidedOfDuplex(*ppdDuplex).value_or(TwoSided::off);
    // Later options win, as they do when the job is made.
    for (const auto& [name, value] : destinationOptions) {
        if (name == "copies") choices.copies = value;
        if (name == "page-ranges") choices.pages = value;
        if (name == "sides") choices.twoSided = twoSidedOfSides(value).value_or(choices.twoSided);
        if (name == "Duplex") choices.twoSided = twoSidedOfDuplex(value).value_or(choices.twoSided);
    }
    return choices;
}

std::optional<std::string> problemWith(const JobChoices& choices, const JobChoiceTexts& texts) {
    const std::optional<int> copies = wholeNumber(choices.copies);
    if (!copies || *copies < 1 || *copies > kMostCopies) {
        std::string message = texts.badCopies;
        if (const size_t at = message.find("{0}"); at != std::string::npos)
            message.replace(at, 3, std::to_string(kMostCopies));
        return message;
    }
    if (!choices.pages.empty() && !isPageRanges(choices.pages)) return texts.badPages;
    return std::nullopt;
}

OptionPairs changedJobOptions(const JobChoices& opened, const JobChoices& chosen) {
    OptionPairs options;
    if (chosen.copies != opened.copies) options.emplace_back("copies", chosen.copies);
    // Every page again is CUPS's range from the first page to the last.
    if (chosen.pages != opened.pages) options.emplace_back("page-ranges", chosen.pages.empty() ? "1-" : chosen.pages);
    if (chosen.twoSidedOffered && chosen.twoSided != opened.twoSided) {
        options.emplace_back("sides", sidesOf(chosen.twoSided));
        options.emplace_back("Duplex", duplexOf(chosen.twoSided));
    }
    return options;
}

TwoSided nextTwoSided(TwoSided current, int direction) {
    constexpr int kCount = 3;
    return static_cast<TwoSided>(((static_cast<int>(current) + direction) % kCount + kCount) % kCount);
}

}  // namespace host
