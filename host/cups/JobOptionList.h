// The options a job is created with, in the order lp merges them: the
// destination's own (the user's lpoptions defaults and the instance's),
// then the front end's choices (GTK's copies and two-sided, the terminal
// dialog's), then every print-settings key of the panel. A later option of
// the same name replaces an earlier one.
#pragma once

#include <cups/cups.h>

#include <string>
#include <utility>
#include <vector>

namespace host {

using OptionPairs = std::vector<std::pair<std::string, std::string>>;

class JobOptionList {
public:
    JobOptionList() = default;
    ~JobOptionList() { cupsFreeOptions(count_, options_); }
    JobOptionList(const JobOptionList&) = delete;
    JobOptionList& operator=(const JobOptionList&) = delete;

    void add(const std::string& name, const std::string& value);
    void addAll(const OptionPairs& options);
    void addDestinationOptions(const cups_dest_t& destination);

    int count() const { return count_; }
    cups_option_t* options() const { return options_; }
    // The bytes the options take in a request, names and values together.
    size_t byteCount() const;
    // Whether a value, as libcups encodes it into a request, is longer than
    // an IPP value may be. libcups fails such a request only halfway through
    // writing it, and the server may then wait a minute for the rest.
    bool hasOverlongValue() const;

private:
    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

}  // namespace host
