// A terminal that also writes every screen it shows to a file descriptor,
// for tests that drive the dialog through a pseudo-terminal and read what
// a user would see. Each screen is one record:
//   screen ROWS COLUMNS
//   cursor ROW COLUMN VISIBLE(0|1)
//   text <the row's characters>          (ROWS lines)
//   style <one hex digit per column>     (ROWS lines: 1 dim, 2 reverse, 4 bold, 8 underline)
//   end
#pragma once

#include <string>

#include "host/terminal/Terminal.h"

namespace host {

class DumpingTerminal : public Terminal {
public:
    // Writes to `descriptor`, which the caller keeps open; stops writing
    // once a write fails.
    DumpingTerminal(Terminal& inner, int descriptor);

    ScreenSize size() const override { return inner_.size(); }
    void show(const Canvas& canvas) override;
    Key readKey() override { return inner_.readKey(); }

private:
    Terminal& inner_;
    int descriptor_;
};

// The record of one screen, as written above.
std::string screenRecord(const Canvas& canvas);

}  // namespace host
