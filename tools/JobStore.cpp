#include "tools/JobStore.h"

#include <fstream>

#include "crypto/Md5.h"
#include "filter/JobKeyForm.h"
#include "filter/TicketVariables.h"
#include "tools/TicketReader.h"

namespace {

// The digits with "0" put in front up to five characters, as the pass codes
// and numbers travel.
std::string padded(const std::string& digits) {
    return digits.size() >= 5 ? digits : std::string(5 - digits.size(), '0') + digits;
}

std::string md5Of(const std::string& text) {
    char digest[33];
    calcMD5(digest, text.c_str());
    return digest;
}

std::string valueIn(const std::map<std::string, std::string>& ticket, const char* variable) {
    const auto found = ticket.find(variable);
    return found == ticket.end() ? "" : found->second;
}

std::string retentionName(const std::string& hold) {
    if (hold == ticket::kHoldOnly) return "hold-only";
    if (hold == ticket::kHoldAfterPrint) return "hold-after-print";
    if (hold == ticket::kSamplePrint) return "sample-print";
    return "none";
}

std::string folderName(const std::map<std::string, std::string>& ticket) {
    const std::string filing = valueIn(ticket, ticket::kFiling);
    if (filing == ticket::kQuickFile) return "quick file";
    return valueIn(ticket, ticket::kFolder);
}

}  // namespace

JobStore::JobStore(JobPolicy policy, Log log) : policy_(std::move(policy)), log_(std::move(log)) {}

int JobStore::receive(std::string bytes) {
    Job job;
    job.listing.bytes = bytes.size();
    if (const auto read = readTicket(bytes)) {
        job.ticket = read->variables;
        job.language = read->language;
        job.document = bytes.substr(read->documentOffset, read->documentLength);
        job.listing.bytes = job.document.size();
    } else {
        job.listing.reason = "no job ticket";
    }
    job.listing.name = valueIn(job.ticket, ticket::kJobName);
    job.listing.user = valueIn(job.ticket, ticket::kUserName);
    job.listing.retention = retentionName(valueIn(job.ticket, ticket::kHold));
    job.listing.folder = folderName(job.ticket);
    job.listing.account = valueIn(job.ticket, ticket::kAccountNumber);

    const std::lock_guard lock(mutex_);
    job.listing.id = static_cast<int>(jobs_.size()) + 1;
    decide(job);
    jobs_.push_back(std::move(job));
    arrived_.notify_all();
    return jobs_.back().listing.id;
}

void JobStore::decide(Job& job) {
    const auto refusal = job.listing.reason.empty() ? refusalOf(job) : job.listing.reason;
    if (refusal) {
        job.listing.state = "refused";
        job.listing.reason = *refusal;
        job.document.clear();
        log("job " + std::to_string(job.listing.id) + " refused: " + *refusal);
        return;
    }
    if (!job.listing.account.empty())
        log("account " + job.listing.account + ": job " + std::to_string(job.listing.id) + ", " +
            std::to_string(job.listing.bytes) + " bytes");
    const std::string& retention = job.listing.retention;
    // A sample print prints one copy at once and holds the rest.
    if (retention == "none" || retention == "hold-after-print" || retention == "sample-print") print(job);
    job.listing.state = retention == "none" ? "printed" : retention == "hold-after-print" ? "kept" : "held";
    // Only held and kept jobs can print again.
    if (job.listing.state == "printed") job.document.clear();
}

std::optional<std::string> JobStore::refusalOf(const Job& job) const {
    if (auto refusal = authenticationRefusal(job)) return refusal;
    return filingRefusal(job);
}

std::optional<std::string> JobStore::authenticationRefusal(const Job& job) const {
    if (policy_.users.empty() && policy_.userNumbers.empty()) return std::nullopt;
    const std::string spoolTime = valueIn(job.ticket, ticket::kSpoolTime);
    const auto loginName = decipherJobKeyForm(valueIn(job.ticket, ticket::kLoginName), spoolTime);
    const auto password = decipherJobKeyForm(valueIn(job.ticket, ticket::kPassword), spoolTime);
    for (const DeviceUser& user : policy_.users)
        if (loginName == user.loginName && password.value_or("") == user.password) return std::nullopt;
    const std::string userNumber = valueIn(job.ticket, ticket::kUserNumber);
    for (const std::string& number : policy_.userNumbers)
        if (!userNumber.empty() && padded(number) == userNumber) return std::nullopt;
    return "authentication failed";
}

std::optional<std::string> JobStore::filingRefusal(const Job& job) const {
    if (valueIn(job.ticket, ticket::kFiling) != ticket::kCustomFolder) return std::nullopt;
    const auto folder = policy_.folders.find(job.listing.folder);
    if (folder == policy_.folders.end()) return "no folder named " + job.listing.folder;
    if (!folder->second) return std::nullopt;
    const std::string expected = md5Of(valueIn(job.ticket, ticket::kSpoolTime) + padded(*folder->second));
    if (valueIn(job.ticket, ticket::kFolderDigest) != expected) return "wrong folder pass code";
    return std::nullopt;
}

void JobStore::print(Job& job) {
    if (!policy_.outputDirectory) return;
    const char* extension = job.language == "PDF" ? ".pdf" : ".ps";
    const auto path = *policy_.outputDirectory / ("job-" + std::to_string(job.listing.id) + extension);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(job.document.data(), static_cast<std::streamsize>(job.document.size()));
}

bool JobStore::passCodeOpens(const Job& job, const std::string& passCode) const {
    const std::string digest = valueIn(job.ticket, ticket::kPassCodeDigest);
    if (digest.empty()) return true;
    return md5Of(padded(passCode) + valueIn(job.ticket, ticket::kSpoolTime)) == digest;
}

JobAction JobStore::release(int id, const std::string& passCode) {
    const std::lock_guard lock(mutex_);
    if (id < 1 || id > static_cast<int>(jobs_.size())) return JobAction::noSuchJob;
    Job& job = jobs_[static_cast<size_t>(id - 1)];
    if (job.listing.state != "held" && job.listing.state != "kept") return JobAction::notHeld;
    if (!passCodeOpens(job, passCode)) {
        log("job " + std::to_string(id) + ": wrong pass code");
        return JobAction::wrongPassCode;
    }
    print(job);
    if (job.listing.state == "held") {
        job.listing.state = "printed";
        job.document.clear();
    }
    return JobAction::done;
}

JobAction JobStore::remove(int id, const std::string& passCode) {
    const std::lock_guard lock(mutex_);
    if (id < 1 || id > static_cast<int>(jobs_.size())) return JobAction::noSuchJob;
    Job& job = jobs_[static_cast<size_t>(id - 1)];
    if (job.listing.state != "held" && job.listing.state != "kept") return JobAction::notHeld;
    if (!passCodeOpens(job, passCode)) return JobAction::wrongPassCode;
    job.listing.state = "deleted";
    job.document.clear();
    return JobAction::done;
}

std::vector<JobListing> JobStore::jobs() const {
    const std::lock_guard lock(mutex_);
    std::vector<JobListing> listings;
    for (const Job& job : jobs_)
        listings.push_back(job.listing);
    return listings;
}

bool JobStore::waitForJobs(size_t count, std::chrono::steady_clock::time_point deadline) const {
    std::unique_lock lock(mutex_);
    return arrived_.wait_until(lock, deadline, [&] { return jobs_.size() >= count; });
}

void JobStore::log(const std::string& line) const {
    if (log_) log_(line);
}
