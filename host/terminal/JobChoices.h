// The terminal dialog's own job choices, as GTK's General tab offers them:
// copies, the pages to print and two-sided printing. They open with what
// the destination's options say (the user's lpoptions and instance, or the
// PPD's default), and only the choices the person changed become job
// options: the rest reach the job through the destination's options as
// they stand.
#pragma once

#include <optional>
#include <string>

#include "host/cups/JobOptionList.h"

namespace host {

enum class TwoSided { off, longEdge, shortEdge };

struct JobChoices {
    std::string copies = "1";
    std::string pages;  // "1-3,5"; empty for every page
    TwoSided twoSided = TwoSided::off;
    // The queue's PPD has a Duplex option: two-sided is shown and sent
    // both as IPP's sides and as the PPD's Duplex, so that the two agree.
    bool twoSidedOffered = false;
};

// `ppdDuplex`: the PPD's default Duplex choice, when it has the option.
JobChoices choicesFromDestination(const OptionPairs& destinationOptions, const std::optional<std::string>& ppdDuplex);

struct JobChoiceTexts {
    std::string badCopies;  // {0}: the largest number of copies
    std::string badPages;
};

// Why the choices cannot be sent (copies not a whole number from 1 to
// 9999, pages not ranges such as 1-3,5 counting from 1 upwards within each
// range); none when they can.
std::optional<std::string> problemWith(const JobChoices& choices, const JobChoiceTexts& texts);

// The job options for what differs between `opened` and `chosen`.
OptionPairs changedJobOptions(const JobChoices& opened, const JobChoices& chosen);

// The next choice of two-sided, round: off, long edge, short edge.
TwoSided nextTwoSided(TwoSided current, int direction);

}  // namespace host
