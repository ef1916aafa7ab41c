#include "host/ViewDump.h"

#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/Menus.h"
#include "platform/controls/NSImage.h"
#include "platform/controls/NSProgressIndicator.h"
#include "platform/controls/TextFields.h"

namespace host {

namespace {

nlohmann::json imageName(const std::shared_ptr<NSImage>& image) {
    return image ? nlohmann::json(image->name()) : nlohmann::json(nullptr);
}

nlohmann::json describeButton(const NSButton& button) {
    switch (button.buttonType()) {
        case NSButtonType::checkBox:
            return {{"kind", "checkBox"}, {"title", button.title()}, {"state", button.state()}};
        case NSButtonType::lockButton:
            return {{"kind", "lockButton"}, {"state", button.state()}, {"image", imageName(button.displayedImage())}};
        case NSButtonType::pushButton: return {{"kind", "pushButton"}, {"title", button.title()}};
    }
    return {};
}

nlohmann::json describeMatrix(const NSMatrix& matrix) {
    nlohmann::json cells = nlohmann::json::array();
    for (int row = 0; row < matrix.numberOfRows(); ++row) {
        const NSButtonCell* cell = matrix.cellAtRow(row, 0);
        cells.push_back({{"name", cell ? cell->fieldName() : ""}, {"title", cell ? cell->title() : ""}});
    }
    return {{"kind", "radioMatrix"}, {"selectedRow", matrix.selectedRow()}, {"cells", cells}};
}

nlohmann::json describePopUp(const NSPopUpButton& popUp) {
    nlohmann::json items = nlohmann::json::array();
    for (int index = 0; index < popUp.numberOfItems(); ++index) {
        const NSMenuItem* item = popUp.itemAtIndex(index);
        if (!item) continue;
        items.push_back(
            {{"title", item->title()}, {"image", imageName(item->image())}, {"separator", item->isSeparatorItem()}});
    }
    return {{"kind", "popUpButton"}, {"selectedIndex", popUp.indexOfSelectedItem()}, {"items", items}};
}

nlohmann::json describeTextField(const NSTextField& field) {
    nlohmann::json described = {{"kind", field.isLabel() ? "label" : "editField"},
                                {"text", field.stringValue()},
                                {"textColor", field.textColor() == NSColor::grayColor ? "gray" : "black"}};
    if (!field.isLabel()) {
        described["editable"] = field.isEditable();
        described["selectable"] = field.isSelectable();
    }
    return described;
}

nlohmann::json describeTabView(const NSTabView& tabs) {
    nlohmann::json labels = nlohmann::json::array();
    for (int index = 0; index < tabs.numberOfTabViewItems(); ++index)
        if (const NSTabViewItem* item = tabs.tabViewItemAtIndex(index)) labels.push_back(item->label());
    return {{"kind", "tabView"}, {"tabs", labels}, {"selectedIndex", tabs.indexOfSelectedTabViewItem()}};
}

nlohmann::json describeControl(const NSControl& control) {
    nlohmann::json described;
    if (const auto* button = dynamic_cast<const NSButton*>(&control))
        described = describeButton(*button);
    else if (const auto* matrix = dynamic_cast<const NSMatrix*>(&control))
        described = describeMatrix(*matrix);
    else if (const auto* popUp = dynamic_cast<const NSPopUpButton*>(&control))
        described = describePopUp(*popUp);
    else if (const auto* field = dynamic_cast<const NSTextField*>(&control))
        described = describeTextField(*field);
    else if (const auto* box = dynamic_cast<const NSBox*>(&control))
        described = {{"kind", "box"}, {"title", box->title()}};
    else if (const auto* tabs = dynamic_cast<const NSTabView*>(&control))
        described = describeTabView(*tabs);
    else if (const auto* progress = dynamic_cast<const NSProgressIndicator*>(&control))
        described = {{"kind", "progressIndicator"}, {"animating", progress->isAnimating()}};
    else
        described = {{"kind", control.className()}};
    described["enabled"] = control.isEnabled();
    described["hidden"] = control.isHidden();
    return described;
}

}  // namespace

nlohmann::json dumpView(const NSView* view) {
    nlohmann::json controls = nlohmann::json::object();
    nlohmann::json focus = nullptr;
    if (view) {
        for (const NSControl* control : view->controls())
            if (!control->fieldName().empty()) controls[control->fieldName()] = describeControl(*control);
        if (const NSTextField* responder = view->window().firstResponder()) focus = responder->fieldName();
    }
    return {{"controls", controls}, {"focus", focus}};
}

}  // namespace host
