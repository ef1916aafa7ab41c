// The queue's defaults domain as one preference operation uses it: the
// cache dropped first, so that what any process stored last is read; the
// whole domain and record copied, so that a write changes only the keys the
// operation owns and every other key survives.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

class NSUserDefaults;

// The stored job-control record of the domain, when the domain name, the
// store, the domain and the record are all there.
std::optional<nlohmann::json> readJobControlRecord(const std::optional<std::string>& domainName);

class JobControlUpdate {
public:
    // None without a domain name or a store: nothing is then read or written.
    static std::optional<JobControlUpdate> begin(const std::optional<std::string>& domainName);

    // The copy of the record (an empty dictionary when there was none).
    nlohmann::json& record() { return record_; }

    // Puts the record into the domain, replaces the domain and writes it out.
    // Write failures of the store are not reported.
    void commit();

private:
    JobControlUpdate(NSUserDefaults& store, std::string name, nlohmann::json domain, nlohmann::json record);

    NSUserDefaults* store_;
    std::string name_;
    nlohmann::json domain_;
    nlohmann::json record_;
};
