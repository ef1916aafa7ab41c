// The text of a defaults file, and the domain it holds.
#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace defaults {

// The deepest nesting of dictionaries and arrays that a domain may have.
// The panel's record needs four levels; the limit keeps the parser and the
// writer's recursion far from the stack's end whatever a file holds.
constexpr int kMostNesting = 32;

// The largest defaults file the store reads or writes. The panel's record
// with the longest folder list it keeps takes a fraction of it; a larger
// file would make every dialog for the queue slow to open.
constexpr std::size_t kMostFileBytes = 1024 * 1024;

// The domain that a file's text holds: none when the text is not a JSON
// object, is nested deeper than kMostNesting, or, for a file whose name is
// shortened (`shortenedFor` the domain's full name), belongs to another
// domain.
std::optional<nlohmann::json> domainFromFileText(const std::string& text,
                                                 const std::optional<std::string>& shortenedFor);

// The text of a file holding `domain`: compact JSON, so that its size
// follows its contents, with text that is not valid UTF-8 replaced; when
// the file name is shortened, the domain is kept under "contents" beside
// its full name under "domain". None when the domain is nested too deeply.
std::optional<std::string> fileTextOfDomain(const nlohmann::json& domain,
                                            const std::optional<std::string>& shortenedFor);

}  // namespace defaults
