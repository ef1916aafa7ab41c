// What the device's job ticket says, gathered from the panel's keys and the
// job as CUPS hands it over, and checked: a job whose keys ask for retention,
// filing or authentication that they cannot soundly express is refused.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "filter/JobKeys.h"

enum class Retention { none, holdOnly, holdAfterPrint, samplePrint };
enum class FilingTarget { mainFolder, quickFile, customFolder };

// Why a job cannot be printed: it would otherwise print as an ordinary job,
// unheld, unfiled or unauthenticated.
class JobRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The job as CUPS names it: the filter's user, title and copies arguments.
struct CupsJob {
    std::string user;
    std::string title;
    int copies = 1;
};

struct TicketFields {
    std::string userName;  // fit for a quoted job-language string
    std::string jobName;
    int copies = 1;
    Retention retention = Retention::none;
    std::optional<std::string> spoolTime;       // the text, when a digest or job-key form needs it
    std::optional<std::string> passCodeDigest;  // 32 lower-case hex digits
    bool filed = false;                         // the job names a folder
    FilingTarget filing = FilingTarget::mainFolder;
    std::string folder;
    std::optional<std::string> folderDigest;
    std::optional<std::string> loginNameForm;  // job-key Base64 forms, checked to decipher
    std::optional<std::string> passwordForm;
    std::optional<std::string> userNumber;     // padded digits
    std::optional<std::string> accountNumber;  // padded digits
};

// Throws JobRefused, saying which key and why.
TicketFields ticketFieldsOf(const JobKeys& keys, const CupsJob& job);

// The longest name the ticket carries, in bytes.
inline constexpr size_t kTicketNameBytes = 80;
