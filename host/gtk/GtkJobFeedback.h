// What the graphical dialog shows while and after its job is submitted,
// when its window is gone: the server's question for a password, asked in
// a GTK dialog (libcups's password callback while this object lives), and
// a failure, shown in a GTK message dialog before the program ends with
// its status. Under a script both are written to the transcript instead
// and answered at once: no password, the message dismissed.
#pragma once

#include <iosfwd>
#include <string>

#include "host/GraphicalFrontEnd.h"

namespace host {

class GtkJobFeedback final : public JobFeedback {
public:
    explicit GtkJobFeedback(std::ostream* scriptTranscript);
    ~GtkJobFeedback() override;
    GtkJobFeedback(const GtkJobFeedback&) = delete;
    GtkJobFeedback& operator=(const GtkJobFeedback&) = delete;

    void showFailure(const std::string& message) override;

    // The password the person typed for `user` at `server`; none (false)
    // when they cancelled.
    bool askPassword(const std::string& server, const std::string& user);
    const char* password() const { return password_.c_str(); }

private:
    std::ostream* transcript_;
    std::string password_;
};

}  // namespace host
