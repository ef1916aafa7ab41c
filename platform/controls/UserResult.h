// What became of an operation that a host performs as the user would (a
// click, a selection, typing). A refused operation changes nothing and sends
// no action.
#pragma once

namespace platform {

enum class UserResult {
    done,
    absent,         // the control is not in the view
    disabled,       // the control is disabled
    hidden,         // the control is hidden
    notEditable,    // typing into a field that is not editable
    outOfRange,     // no row, item or tab at that index
    notSelectable,  // a separator item
};

// A short English phrase for a host to print ("control is disabled").
const char* describe(UserResult result);

}  // namespace platform
