// Holds back Ctrl-C, SIGTERM and SIGHUP while a job is being submitted, so
// that a job created on the server can be cancelled before the program
// ends: the submission asks `arrived()` between its steps, and waits for
// a document's bytes with `descriptor()` beside the document's own. When
// the hold goes, a signal that came meanwhile is raised again and takes
// its usual course.
#pragma once

#include <signal.h>

#include <array>

namespace host {

class InterruptHold {
public:
    InterruptHold();
    ~InterruptHold();
    InterruptHold(const InterruptHold&) = delete;
    InterruptHold& operator=(const InterruptHold&) = delete;

    // Whether one of the held signals has come.
    bool arrived() const;
    // Readable once a held signal has come; -1 when none could be made.
    int descriptor() const { return pipe_[0]; }

private:
    static constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};
    std::array<int, 2> pipe_ = {-1, -1};
    std::array<struct sigaction, kSignals.size()> previous_{};
    mutable int arrived_ = 0;  // the first signal that came
};

}  // namespace host
