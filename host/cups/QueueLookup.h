// What CUPS knows of a print queue that the dialog needs: its name, its
// own PPD and the device URI it prints to.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace host {

// A PPD that CUPS copied into a temporary file for the dialog, removed when
// it goes (the dialog opens it once, at the start).
class FetchedPpd {
public:
    explicit FetchedPpd(std::filesystem::path path) : path_(std::move(path)) {}
    ~FetchedPpd();
    FetchedPpd(FetchedPpd&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }
    FetchedPpd(const FetchedPpd&) = delete;
    FetchedPpd& operator=(const FetchedPpd&) = delete;
    FetchedPpd& operator=(FetchedPpd&& other) noexcept {
        std::swap(path_, other.path_);
        return *this;
    }

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

struct QueueFacts {
    std::string name;                      // the queue alone
    std::optional<std::string> instance;   // the user's lpoptions instance, when one is named
    std::optional<FetchedPpd> ppd;         // none for a queue without a PPD
    std::optional<std::string> deviceURI;  // none when the server does not tell
};

struct QueueNotFound {
    std::string reason;        // CUPS's own words
    bool unreachable = false;  // no server answered at all
};

// Looks the queue up on the CUPS server (the user's default destination
// when `name` is none; "QUEUE/INSTANCE" names an instance). `wantPpd`
// false skips fetching the PPD.
std::variant<QueueFacts, QueueNotFound> lookUpQueue(const std::optional<std::string>& name, bool wantPpd);

}  // namespace host
