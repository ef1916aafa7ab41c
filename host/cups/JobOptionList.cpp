#include "host/cups/JobOptionList.h"

#include <cstring>

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

}  // namespace host
