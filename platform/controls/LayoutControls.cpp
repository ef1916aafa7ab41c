#include "platform/controls/LayoutControls.h"

#include <functional>
#include <map>
#include <string>

#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/LayoutFields.h"
#include "platform/controls/Menus.h"
#include "platform/controls/NSProgressIndicator.h"
#include "platform/controls/TextFields.h"

namespace platform::layout {
namespace {

using nlohmann::json;

std::unique_ptr<NSControl> makeButton(const json& description, NSButtonType type) {
    auto button = std::make_unique<NSButton>(type);
    button->setTitle(stringField(description, "title"));
    button->setState(intField(description, "state", 0));
    return button;
}

std::unique_ptr<NSControl> makeTextField(const json& description, bool editField) {
    auto field = std::make_unique<NSTextField>();
    field->setTag(intField(description, "tag", editField ? 1 : 0));
    field->setStringValue(stringField(description, "text", stringField(description, "title")));
    field->setSelectable(boolField(description, "selectable", editField));
    field->setEditable(boolField(description, "editable", editField));
    field->setSecure(boolField(description, "secure", false));
    return field;
}

std::unique_ptr<NSControl> makeMatrix(const json& description) {
    auto matrix = std::make_unique<NSMatrix>();
    for (const json& cellDescription : arrayField(description, "cells")) {
        requireObject(cellDescription, "a cell");
        auto cell = std::make_unique<NSButtonCell>(stringField(cellDescription, "title"));
        cell->setFieldName(stringField(cellDescription, "name"));
        matrix->addCell(std::move(cell));
    }
    matrix->selectCellAtRow(intField(description, "selected", -1), 0);
    return matrix;
}

std::unique_ptr<NSMenuItem> makeMenuItem(const json& description) {
    if (description.is_string()) return std::make_unique<NSMenuItem>(description.get<std::string>());
    requireObject(description, "a menu item");
    if (boolField(description, "separator", false)) return NSMenuItem::separatorItem();
    return std::make_unique<NSMenuItem>(stringField(description, "title"));
}

std::unique_ptr<NSControl> makePopUp(const json& description) {
    auto popUp = std::make_unique<NSPopUpButton>();
    for (const json& item : arrayField(description, "items"))
        popUp->menu().addItem(makeMenuItem(item));
    popUp->selectItemAtIndex(intField(description, "selected", -1));
    return popUp;
}

std::unique_ptr<NSControl> makeBox(const json& description) {
    auto box = std::make_unique<NSBox>();
    box->setTitle(stringField(description, "title"));
    return box;
}

std::unique_ptr<NSControl> makeProgressIndicator(const json& description) {
    auto indicator = std::make_unique<NSProgressIndicator>();
    if (boolField(description, "animating", false)) indicator->startAnimation();
    return indicator;
}

using Maker = std::function<std::unique_ptr<NSControl>(const json&)>;

const std::map<std::string, Maker>& makersByKind() {
    static const std::map<std::string, Maker> makers{
        {"checkBox", [](const json& d) { return makeButton(d, NSButtonType::checkBox); }},
        {"lockButton", [](const json& d) { return makeButton(d, NSButtonType::lockButton); }},
        {"pushButton", [](const json& d) { return makeButton(d, NSButtonType::pushButton); }},
        {"label", [](const json& d) { return makeTextField(d, false); }},
        {"editField", [](const json& d) { return makeTextField(d, true); }},
        {"radioMatrix", makeMatrix},
        {"popUpButton", makePopUp},
        {"box", makeBox},
        {"progressIndicator", makeProgressIndicator},
    };
    return makers;
}

// What every kind shares: name, tag, enabled, hidden, drawing position.
void applyCommonFields(NSControl& control, const json& description) {
    control.setFieldName(stringField(description, "name"));
    if (description.contains("tag")) control.setTag(intField(description, "tag", 0));
    control.setEnabled(boolField(description, "enabled", true));
    control.setHidden(boolField(description, "hidden", false));
    control.setLayoutPosition(intField(description, "row", 0), intField(description, "column", 0));
}

}  // namespace

std::unique_ptr<NSControl> makeControl(const json& description) {
    requireObject(description, "a control");
    const auto maker = makersByKind().find(stringField(description, "kind"));
    if (maker == makersByKind().end()) return nullptr;
    std::unique_ptr<NSControl> control = maker->second(description);
    applyCommonFields(*control, description);
    return control;
}

}  // namespace platform::layout
