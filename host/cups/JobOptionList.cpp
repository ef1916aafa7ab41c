#include "host/cups/JobOptionList.h"

#include <cstring>
#include <memory>

namespace host {

void JobOptionList::add(const std::string& name, const std::string& value) {
    count_ = cupsAddOption(name.c_str(), value.c_str(), count_, &options_);
}

void JobOptionList::addAll(const OptionPairs& options) {
    for (const auto& [name, value] : options)
        add(name, value);
}

void JobOptionList::addDestinationOptions(const cups_dest_t& destination) {
    for (int index = 0; index < destination.num_options; ++index)
        add(destination.options[index].name, destination.options[index].value);
}

size_t JobOptionList::byteCount() const {
    size_t bytes = 0;
    for (int index = 0; index < count_; ++index)
        bytes += std::strlen(options_[index].name) + std::strlen(options_[index].value);
    return bytes;
}

bool JobOptionList::hasOverlongValue() const {
    const std::unique_ptr<ipp_t, decltype(&ippDelete)> request(ippNew(), ippDelete);
    cupsEncodeOptions2(request.get(), count_, options_, IPP_TAG_OPERATION);
    cupsEncodeOptions2(request.get(), count_, options_, IPP_TAG_JOB);
    for (ipp_attribute_t* attribute = ippFirstAttribute(request.get()); attribute;
         attribute = ippNextAttribute(request.get()))
        for (int index = 0; index < ippGetCount(attribute); ++index)
            if (const char* text = ippGetString(attribute, index, nullptr); text && std::strlen(text) > IPP_MAX_LENGTH)
                return true;
    return false;
}

}  // namespace host
