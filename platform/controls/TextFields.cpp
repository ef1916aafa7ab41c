#include "platform/controls/TextFields.h"

#include <algorithm>

#include "platform/controls/Containers.h"
#include "platform/controls/FieldEdit.h"
#include "platform/text/Utf16.h"

NSFormatter::~NSFormatter() = default;

bool NSFormatter::isPartialStringValid(std::u16string&, NSRange&, const std::u16string&, NSRange, std::string*) const {
    return true;
}

NSNumberFormatter::~NSNumberFormatter() = default;

void NSNumberFormatter::setFormat(std::string format) {
    format_ = std::move(format);
}

std::string NSNumberFormatter::stringForObjectValue(const std::string& value) const {
    return value;
}

bool NSNumberFormatter::getObjectValue(std::string& value, const std::string& text, std::string*) const {
    value = text;
    return true;
}

NSTextFieldCell::~NSTextFieldCell() = default;

const char* NSTextFieldCell::className() const {
    return "NSTextFieldCell";
}

NSTextFieldCell& NSTextFieldCell::absent() {
    static NSTextFieldCell instance{InertTag{}};
    return instance;
}

void NSTextFieldCell::setFormatter(std::unique_ptr<NSFormatter> formatter) {
    if (isInert()) return;
    formatter_ = std::move(formatter);
}

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

void NSTextField::setSecure(bool secure) {
    if (isInert()) return;
    secure_ = secure;
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
    return userEdit([&](platform::FieldEditor& editor) {
        editor.select(NSRange{editor.text().size(), 0});
        editor.type(platform::utf16FromUtf8(text));
    });
}

platform::UserResult NSTextField::userInsertText(const std::string& text) {
    return userEdit([&](platform::FieldEditor& editor) { editor.type(platform::utf16FromUtf8(text)); });
}

platform::UserResult NSTextField::userDeleteBackward() {
    return userDelete([](const std::u16string& text, std::size_t caret) {
        return NSRange{platform::utf16CharacterStart(text, caret), caret - platform::utf16CharacterStart(text, caret)};
    });
}

platform::UserResult NSTextField::userDeleteForward() {
    return userDelete([](const std::u16string& text, std::size_t caret) {
        return NSRange{caret, platform::utf16CharacterEnd(text, caret) - caret};
    });
}

platform::UserResult NSTextField::userEraseAll() {
    return userEdit([](platform::FieldEditor& editor) {
        editor.select(NSRange{0, editor.text().size()});
        editor.replaceSelection(u"");
    });
}

platform::UserResult NSTextField::userMoveCaret(CaretMove move) {
    const platform::UserResult access = userAccess();
    if (access != platform::UserResult::done) return access;
    if (!selectable_) return platform::UserResult::notEditable;
    window().makeFirstResponder(this);
    const std::u16string text = platform::utf16FromUtf8(text_);
    const std::size_t start = std::min(selection_.location, text.size());
    const std::size_t end = std::min(selection_.location + selection_.length, text.size());
    std::size_t caret = 0;
    switch (move) {
        // With a selection, Left and Right go to its start and its end.
        case CaretMove::left: caret = start < end ? start : platform::utf16CharacterStart(text, start); break;
        case CaretMove::right: caret = start < end ? end : platform::utf16CharacterEnd(text, end); break;
        case CaretMove::start: caret = 0; break;
        case CaretMove::end: caret = text.size(); break;
    }
    selection_ = NSRange{caret, 0};
    return platform::UserResult::done;
}

platform::UserResult NSTextField::userDelete(
    const std::function<NSRange(const std::u16string& text, std::size_t caret)>& characterAtCaret) {
    const platform::UserResult access = beginUserEdit();
    if (access != platform::UserResult::done) return access;
    platform::FieldEditor editor(platform::utf16FromUtf8(text_), selection_, formatter());
    if (editor.selection().length == 0) {
        const NSRange character = characterAtCaret(editor.text(), editor.selection().location);
        if (character.length == 0) return platform::UserResult::done;  // nothing there to delete
        editor.select(character);
    }
    editor.replaceSelection(u"");
    finishUserEdit(editor);
    return platform::UserResult::done;
}

platform::UserResult NSTextField::userEdit(const std::function<void(platform::FieldEditor&)>& edit) {
    const platform::UserResult access = beginUserEdit();
    if (access != platform::UserResult::done) return access;
    platform::FieldEditor editor(platform::utf16FromUtf8(text_), selection_, formatter());
    edit(editor);
    finishUserEdit(editor);
    return platform::UserResult::done;
}

platform::UserResult NSTextField::beginUserEdit() {
    const platform::UserResult access = userAccess();
    if (access != platform::UserResult::done) return access;
    if (!editable_) return platform::UserResult::notEditable;
    window().makeFirstResponder(this);
    return platform::UserResult::done;
}

void NSTextField::finishUserEdit(const platform::FieldEditor& editor) {
    text_ = platform::utf8FromUtf16(editor.text());
    selection_ = editor.selection();
    sendAction();
}
