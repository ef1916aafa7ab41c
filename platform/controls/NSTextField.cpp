#include "platform/controls/NSTextField.h"

#include "platform/controls/NSWindow.h"
#include "platform/text/Utf16.h"

namespace {

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The length of the character that starts at `index`: a surrogate pair is
// typed as one character.
std::size_t characterLength(const std::u16string& text, std::size_t index) {
    const bool pair = isHighSurrogate(text[index]) && index + 1 < text.size() && isLowSurrogate(text[index + 1]);
    return pair ? 2 : 1;
}

}  // namespace

NSTextField::NSTextField(InertTag tag) : NSControl(tag) {}

NSTextField::~NSTextField() = default;

const char* NSTextField::className() const {
    return "NSTextField";
}

NSTextField& NSTextField::absent() {
    static NSTextField instance{InertTag{}};
    return instance;
}

void NSTextField::setStringValue(const std::string& text) {
    if (isInert()) return;
    text_ = text;
    selection_ = NSRange{platform::utf16Length(text_), 0};
}

void NSTextField::setEditable(bool editable) {
    if (isInert()) return;
    editable_ = editable;
    if (editable) selectable_ = true;
}

void NSTextField::setSelectable(bool selectable) {
    if (isInert()) return;
    selectable_ = selectable;
    if (!selectable) editable_ = false;
}

void NSTextField::setTextColor(NSColor color) {
    if (isInert()) return;
    textColor_ = color;
}

NSTextFieldCell& NSTextField::cell() {
    return isInert() ? NSTextFieldCell::absent() : cell_;
}

NSFormatter* NSTextField::formatter() const {
    return cell_.formatter();
}

platform::UserResult NSTextField::userTypeText(const std::string& text) {
    const platform::UserResult access = beginUserEdit();
    if (access != platform::UserResult::done) return access;
    const std::u16string typed = platform::utf16FromUtf8(text);
    platform::FieldEditState state{platform::utf16FromUtf8(text_), {}};
    state.selection = NSRange{state.text.size(), 0};
    for (std::size_t index = 0; index < typed.size();) {
        const std::size_t length = characterLength(typed, index);
        state = platform::applyUserEdit(state, typed.substr(index, length), formatter());
        index += length;
    }
    finishUserEdit(state);
    return platform::UserResult::done;
}

platform::UserResult NSTextField::userEraseAll() {
    const platform::UserResult access = beginUserEdit();
    if (access != platform::UserResult::done) return access;
    platform::FieldEditState state{platform::utf16FromUtf8(text_), {}};
    state.selection = NSRange{0, state.text.size()};
    finishUserEdit(platform::applyUserEdit(state, u"", formatter()));
    return platform::UserResult::done;
}

platform::UserResult NSTextField::beginUserEdit() {
    const platform::UserResult access = userAccess();
    if (access != platform::UserResult::done) return access;
    if (!editable_) return platform::UserResult::notEditable;
    window().makeFirstResponder(this);
    return platform::UserResult::done;
}

void NSTextField::finishUserEdit(const platform::FieldEditState& state) {
    text_ = platform::utf8FromUtf16(state.text);
    selection_ = state.selection;
    sendAction();
}
