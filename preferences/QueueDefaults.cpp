#include "preferences/QueueDefaults.h"

#include "platform/defaults/UserDefaults.h"
#include "preferences/JobControlRecord.h"

namespace {

NSUserDefaults* freshStore(const std::optional<std::string>& domainName) {
    if (!domainName) return nullptr;
    NSUserDefaults::resetStandardUserDefaults();
    return NSUserDefaults::standardUserDefaults();
}

}  // namespace

std::optional<nlohmann::json> readJobControlRecord(const std::optional<std::string>& domainName) {
    NSUserDefaults* store = freshStore(domainName);
    if (!store) return std::nullopt;
    const std::optional<nlohmann::json> domain = store->persistentDomainForName(*domainName);
    if (!domain) return std::nullopt;
    return job_control::recordOf(*domain);
}

std::optional<JobControlUpdate> JobControlUpdate::begin(const std::optional<std::string>& domainName) {
    NSUserDefaults* store = freshStore(domainName);
    if (!store) return std::nullopt;
    nlohmann::json domain = store->persistentDomainForName(*domainName).value_or(nlohmann::json::object());
    nlohmann::json record = job_control::recordOf(domain).value_or(nlohmann::json::object());
    return JobControlUpdate(*store, *domainName, std::move(domain), std::move(record));
}

JobControlUpdate::JobControlUpdate(NSUserDefaults& store, std::string name, nlohmann::json domain,
                                   nlohmann::json record)
    : store_(&store), name_(std::move(name)), domain_(std::move(domain)), record_(std::move(record)) {}

void JobControlUpdate::commit() {
    domain_[job_control::kRecord] = record_;
    store_->setPersistentDomain(domain_, name_);
    store_->synchronize();
}
