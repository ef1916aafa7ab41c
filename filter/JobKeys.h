// The panel's keys as a job's options carry them to the filter.
#pragma once

#include <map>
#include <optional>
#include <string>

// Key to value, for the keys that begin with the panel's prefix.
using JobKeys = std::map<std::string, std::string>;

// The panel's keys among the options of CUPS's option argument
// ("name=value name='quoted value' ..."), read with libcups.
JobKeys panelKeysOf(const std::string& optionArgument);

// The value stored under `key`, if any.
std::optional<std::string> valueOf(const JobKeys& keys, const std::string& key);

// A chunked value: the pieces stored under `baseKey` followed by 1, 2, ...
// joined in order up to the first missing piece; none without piece 1.
std::optional<std::string> joinedPieces(const JobKeys& keys, const std::string& baseKey);
