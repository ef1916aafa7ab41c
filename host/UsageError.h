// A fault in what the print dialog was asked to do: it is reported as
// "print-dialog: [line N: ]message" and ends the dialog with status 2,
// writing nothing back.
#pragma once

#include <stdexcept>
#include <string>

namespace host {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace host
