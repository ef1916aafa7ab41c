// PPD files for tests: the model's sample PPD and variants of it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

// The sample PPD that the print dialog uses by default.
std::filesystem::path samplePPDPath();

// The sample's first line that begins with `linePrefix` (such as
// "*LanguageEncoding:") becomes `replacement`, or goes when that is none.
struct PPDLineChange {
    std::string linePrefix;
    std::optional<std::string> replacement;
};

// Writes the sample PPD with `changes` into `dir` as `fileName` and gives the
// path. Throws std::invalid_argument when a prefix begins no line.
std::filesystem::path writeSamplePPDVariant(const TempDir& dir, const std::vector<PPDLineChange>& changes,
                                            const std::string& fileName = "variant.ppd");
std::filesystem::path writeSamplePPDVariant(const TempDir& dir, const std::string& linePrefix,
                                            const std::optional<std::string>& replacement,
                                            const std::string& fileName = "variant.ppd");

// The sample PPD with two-sided printing (Duplex) and stapling
// (StapleLocation) of its own, as "finishing.ppd".
std::filesystem::path writeFinishingPPD(const TempDir& dir);
// The sample PPD of the same model under another name, "Nelvo ZLM-420K
// Lobby", as "lobby.ppd".
std::filesystem::path writeLobbyPPD(const TempDir& dir);
