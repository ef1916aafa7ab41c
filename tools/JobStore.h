// The device's jobs: what arrives on the print port is read, checked against
// the device's folders and users, and printed, held or refused; held jobs
// wait for their pass code. The print port and the HTTP server reach the
// store from their own threads, so every operation takes its lock.
#pragma once

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct DeviceUser {
    std::string loginName;
    std::string password;
};

struct JobPolicy {
    // Custom folders by name, with the pass code of a protected one; a
    // protected folder whose code is not given takes every job.
    std::map<std::string, std::optional<std::string>> folders;
    // With users or user numbers, a job must name one of them.
    std::vector<DeviceUser> users;
    std::vector<std::string> userNumbers;
    std::optional<std::filesystem::path> outputDirectory;  // one file per printed job
};

// One job as the device lists it.
struct JobListing {
    int id = 0;
    std::string name;
    std::string user;
    std::string retention;  // none, hold-only, hold-after-print, sample-print
    std::string folder;
    std::string state;  // held, printed, kept, refused, deleted
    std::string reason;
    std::string account;
    size_t bytes = 0;  // the document's, without the ticket
};

enum class JobAction { done, wrongPassCode, noSuchJob, notHeld };

class JobStore {
public:
    using Log = std::function<void(const std::string&)>;

    explicit JobStore(JobPolicy policy, Log log = {});

    // Takes one job as it came over the print port; answers its id.
    int receive(std::string job);
    // Prints a held or kept job, given its pass code.
    JobAction release(int id, const std::string& passCode);
    JobAction remove(int id, const std::string& passCode);

    std::vector<JobListing> jobs() const;
    // Blocks until `count` jobs have arrived or the deadline passes;
    // answers whether they did.
    bool waitForJobs(size_t count, std::chrono::steady_clock::time_point deadline) const;

private:
    struct Job {
        JobListing listing;
        std::map<std::string, std::string> ticket;
        std::string document;
        std::string language;
    };

    void decide(Job& job);
    std::optional<std::string> refusalOf(const Job& job) const;
    std::optional<std::string> authenticationRefusal(const Job& job) const;
    std::optional<std::string> filingRefusal(const Job& job) const;
    void print(Job& job);
    bool passCodeOpens(const Job& job, const std::string& passCode) const;
    void log(const std::string& line) const;

    const JobPolicy policy_;
    const Log log_;
    mutable std::mutex mutex_;
    mutable std::condition_variable arrived_;
    std::vector<Job> jobs_;
};
