#include "plugin/NelvoPrintPdeZlm420kJCPDEChoice.h"

#include <cstring>

#include "platform/core/TextConversion.h"
#include "plugin/Logging.h"

namespace {

// A fixed-size text field of a CUPS record, up to its terminator or its end.
template <size_t Size>
std::optional<std::string> decodeField(const char (&field)[Size], NSStringEncoding encoding) {
    return platform::stringFromBytes(field, strnlen(field, Size), encoding);
}

}  // namespace

std::shared_ptr<PDEChoice> PDEChoice::choiceWithChoice(ppd_choice_t* choice) {
    return std::make_shared<PDEChoice>(choice);
}

std::optional<std::string> PDEChoice::userTitle(NSStringEncoding encoding) {
    if (!userTitle_ && choice_) userTitle_ = decodeField(choice_->text, encoding);
    if (!userTitle_) PDELog(this, "could not create userTitle!");
    return userTitle_;
}

std::optional<std::string> PDEChoice::ppdTitle() {
    if (!ppdTitle_ && choice_) ppdTitle_ = decodeField(choice_->choice, NSASCIIStringEncoding);
    if (!ppdTitle_) PDELog(this, "could not create ppdTitle!");
    return ppdTitle_;
}

std::optional<PDEChoiceList> ArrayFromPPDOption(ppd_option_t* option) {
    if (!option) return std::nullopt;
    PDEChoiceList choices;
    choices.reserve(static_cast<size_t>(option->num_choices > 0 ? option->num_choices : 0));
    for (int i = 0; i < option->num_choices; ++i)
        choices.push_back(PDEChoice::choiceWithChoice(&option->choices[i]));
    return choices;
}

std::shared_ptr<PDEChoice> FindChoiceForString(const std::optional<std::string>& keyword,
                                               const PDEChoiceList& choices) {
    if (!keyword) return nullptr;
    for (const std::shared_ptr<PDEChoice>& candidate : choices)
        if (candidate && candidate->ppdTitle() == keyword) return candidate;
    return nullptr;
}
