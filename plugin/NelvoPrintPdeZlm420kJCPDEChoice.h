// A wrapper of one PPD choice for controls bound to PPD options, and the
// functions that make lists of them and find one by keyword.
#pragma once

#include <cups/ppd.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/StringEncoding.h"

class NSPopUpButton;

class NelvoPrintPdeZlm420kJCPDEChoice {
public:
    static std::shared_ptr<NelvoPrintPdeZlm420kJCPDEChoice> choiceWithChoice(ppd_choice_t* choice);
    // initWithChoice: both titles start unmade.
    explicit NelvoPrintPdeZlm420kJCPDEChoice(ppd_choice_t* choice) : choice_(choice) {}

    // The choice's human-readable text decoded with `encoding` on the first
    // successful request, and that same title on every later one.
    std::optional<std::string> userTitle(NSStringEncoding encoding);
    // The choice keyword, decoded as ASCII on the first successful request.
    std::optional<std::string> ppdTitle();
    ppd_choice_t* choice() const { return choice_; }

private:
    std::optional<std::string> userTitle_;
    std::optional<std::string> ppdTitle_;
    ppd_choice_t* choice_;  // borrowed from the host's PPD
};

using PDEChoice = NelvoPrintPdeZlm420kJCPDEChoice;
using PDEChoiceList = std::vector<std::shared_ptr<PDEChoice>>;

// One wrapper per choice of the option, in the option's order; none for no
// option.
std::optional<PDEChoiceList> ArrayFromPPDOption(ppd_option_t* option);

// The first wrapper whose keyword is exactly `keyword`; none when there is
// no keyword or no such wrapper.
std::shared_ptr<PDEChoice> FindChoiceForString(const std::optional<std::string>& keyword, const PDEChoiceList& choices);

// Replaces the pop-up's items by one item per wrapper, in list order, titled
// with the wrapper's userTitle in `encoding` (empty when it cannot be
// decoded) and carrying the wrapper as its represented object. The
// selection is left as the pop-up keeps it.
void InitPopUpFromArray(NSPopUpButton* popUp, const PDEChoiceList& choices, NSStringEncoding encoding);
