// The print server would not take the job: the dialog reports CUPS's own
// reason and ends with a status of its own, nothing left pending.
#pragma once

#include <stdexcept>
#include <string>

namespace host {

class SubmissionRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace host
