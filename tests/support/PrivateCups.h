// A CUPS scheduler of the test's own: scripts/private-cupsd.sh, as the main
// job runs it, on a free loopback port in a private folder, stopped when
// the fixture goes. Its queues use the sample PPD, by default with the
// capture filter in place of the job filter: it records what each job
// arrives with into the queue's device file.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

// What the capture filter saw of one document of a job.
struct CapturedJob {
    std::string user;
    std::string title;
    std::string copies;
    std::map<std::string, std::string> options;  // as libcups parses the filter's option argument
};

// Checks `condition` until it holds or 30 seconds pass (generous for the
// sanitizer build; only a failing test waits this long); whether it held.
bool waitUntil(const std::function<bool()>& condition);

// What a queue's PPD runs: the capture filter, or the job filter that the
// sample PPDs name.
enum class QueueFilter { capture, jobFilter };

class PrivateCups {
public:
    // Throws std::runtime_error, with the scheduler's own words, when it
    // does not answer in time.
    PrivateCups();
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // "127.0.0.1:PORT", and the environment that points libcups there.
    const std::string& server() const { return server_; }
    std::map<std::string, std::string> environment() const { return {{"CUPS_SERVER", server_}}; }

    // Adds an accepting queue with `ppd` that prints into its own file, or
    // to `deviceURI` when one is given.
    void addQueue(const std::string& name, const std::string& deviceURI = "",
                  const std::filesystem::path& ppd = NELVO_SOURCE_DIR "/examples/NelvoZlm420k.ppd",
                  QueueFilter filter = QueueFilter::capture);
    // Adds an accepting queue without a PPD that prints into its own file.
    void addQueueWithoutPpd(const std::string& name);
    // From now on the server wants a user name and password (Basic) before
    // it takes or checks a job; the rest stays open.
    void requirePasswordToPrint();
    // Stops the scheduler now, as a server that goes away does.
    void stop();
    // Runs a CUPS administration command (lpadmin, cupsreject ...) against
    // this server; throws when it fails.
    void administer(const std::vector<std::string>& command) const;

    // The last document printed on `queue`, once its capture is complete.
    CapturedJob waitForCapture(const std::string& queue) const;
    // The jobs the server knows, in any state; and those not yet done.
    size_t jobCount() const;
    size_t unfinishedJobCount() const;

    const std::filesystem::path& directory() const { return directory_.path(); }

private:
    std::filesystem::path deviceFile(const std::string& queue) const;
    // A copy of `ppd` whose filter lines name the capture filter.
    std::filesystem::path capturingVariant(const std::string& queue, const std::filesystem::path& ppd) const;
    // Whether the scheduler just started answers before the deadline.
    bool answersInTime();

    TempDir directory_{"cupsd"};
    int port_ = 0;
    std::string server_;
    pid_t scheduler_ = -1;
};

// The user's lpoptions file (~/.cups/lpoptions in the test's own home)
// holding `text` while the object lives; no file for an empty text.
class UserLpoptions {
public:
    explicit UserLpoptions(const std::string& text);
    ~UserLpoptions();
    UserLpoptions(const UserLpoptions&) = delete;
    UserLpoptions& operator=(const UserLpoptions&) = delete;
};
