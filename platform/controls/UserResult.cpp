#include "platform/controls/UserResult.h"

namespace platform {

const char* describe(UserResult result) {
    switch (result) {
        case UserResult::done: return "done";
        case UserResult::absent: return "control is absent";
        case UserResult::disabled: return "control is disabled";
        case UserResult::hidden: return "control is hidden";
        case UserResult::notEditable: return "field is not editable";
        case UserResult::outOfRange: return "index is out of range";
        case UserResult::notSelectable: return "item cannot be selected";
    }
    return "unknown result";
}

}  // namespace platform
