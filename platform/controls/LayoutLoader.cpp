#include "platform/controls/LayoutLoader.h"

#include <iostream>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/LayoutControls.h"
#include "platform/controls/LayoutFields.h"
#include "platform/core/RegularFile.h"

namespace platform {

LayoutOwner::~LayoutOwner() = default;

namespace {

using layout::LayoutError;
using nlohmann::json;

// A view read from a file, with the handler name of each control that
// names one; nothing is connected yet.
struct ReadLayout {
    std::shared_ptr<NSView> view = std::make_shared<NSView>();
    std::vector<std::pair<NSControl*, std::string>> handlers;
};

json readJsonFile(const std::string& path) {
    const std::optional<std::string> text = readRegularFile(path);
    if (!text) throw LayoutError("it is missing or not a regular file");
    return json::parse(*text);
}

void addControls(ReadLayout& layout, const json& descriptions, int tab) {
    for (const json& description : descriptions) {
        std::unique_ptr<NSControl> control = layout::makeControl(description);
        if (!control) continue;
        const std::string handler = layout::stringField(description, "action");
        NSControl* added = layout.view->addControl(std::move(control), tab);
        if (!handler.empty()) layout.handlers.emplace_back(added, handler);
    }
}

void addTabView(ReadLayout& layout, const json& description) {
    layout::requireObject(description, "the tab view");
    auto tabView = std::make_unique<NSTabView>();
    tabView->setFieldName(layout::stringField(description, "name"));
    const json& tabs = layout::arrayField(description, "tabs");
    for (const json& tab : tabs) {
        layout::requireObject(tab, "a tab");
        tabView->addTabViewItem(std::make_unique<NSTabViewItem>(layout::stringField(tab, "label")));
    }
    tabView->selectTabViewItemAtIndex(layout::intField(description, "selected", 0));
    const std::string handler = layout::stringField(description, "action");
    NSControl* added = layout.view->addControl(std::move(tabView));
    if (!handler.empty()) layout.handlers.emplace_back(added, handler);

    int index = 0;
    for (const json& tab : tabs)
        addControls(layout, layout::arrayField(tab, "controls"), index++);
}

// Every named control and cell, in layout order.
std::vector<NSObject*> namedObjects(const NSView& view) {
    std::vector<NSObject*> named;
    for (NSControl* control : view.controls()) {
        if (!control->fieldName().empty()) named.push_back(control);
        if (auto* matrix = dynamic_cast<NSMatrix*>(control)) {
            for (int row = 0; row < matrix->numberOfRows(); ++row) {
                NSButtonCell* cell = matrix->cellAtRow(row, 0);
                if (!cell->fieldName().empty()) named.push_back(cell);
            }
        }
    }
    return named;
}

void requireUniqueNames(const std::vector<NSObject*>& named) {
    std::set<std::string> seen;
    for (const NSObject* object : named) {
        if (!seen.insert(object->fieldName()).second) throw LayoutError("two objects are named " + object->fieldName());
    }
}

ReadLayout readLayout(const json& document) {
    layout::requireObject(document, "the layout");
    ReadLayout layout;
    if (const auto tabView = document.find("tabView"); tabView != document.end()) addTabView(layout, *tabView);
    addControls(layout, layout::arrayField(document, "controls"), NSView::kNoTab);
    requireUniqueNames(namedObjects(*layout.view));
    return layout;
}

// The panel runs on without controls when its layout cannot be loaded; the
// message says why, so that whoever drives the dialog is not left guessing.
void reportUnloadable(const std::string& path, const std::string& reason) {
    std::cerr << "layout: " << path << " could not be loaded: " << reason << "\n";
}

}  // namespace

std::shared_ptr<NSView> loadLayoutFile(const std::string& path, LayoutOwner& owner) {
    std::optional<ReadLayout> layout;
    try {
        layout = readLayout(readJsonFile(path));
    } catch (const std::exception& error) {  // LayoutError, or nlohmann's parse and type errors
        reportUnloadable(path, error.what());
        return nullptr;
    }
    for (NSObject* object : namedObjects(*layout->view))
        owner.connectOutlet(object->fieldName(), object);
    // Bound by name, out of reach of go-to-definition: docs/reader-guide.md.
    for (auto& [control, handler] : layout->handlers)
        control->setAction(owner.actionForHandler(handler));
    return layout->view;
}

}  // namespace platform
