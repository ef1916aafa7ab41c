// The queue's defaults file as the tests of the preferences see it: written
// directly to set up a case, read directly to check one.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

inline constexpr const char* kQueueDomain = "nelvo.mfp.Office_MFP";
inline constexpr const char* kSampleModel = "Nelvo ZLM-420K";

// The domain as stored now; none when there is no file or it cannot be read.
std::optional<nlohmann::json> storedDomain();
// The stored "Job Control" record, or null.
nlohmann::json storedRecord();
// Replaces the domain's file.
void storeDomain(const nlohmann::json& domain);
// A valid record for the sample PPD holding `values` besides its
// identification.
nlohmann::json validRecord(const nlohmann::json& values);
