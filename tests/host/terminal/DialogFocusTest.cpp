// Where the cursor may stand, and how it keeps in step with the window's
// keyboard focus.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/terminal/DialogFocus.h"
#include "host/terminal/FocusChain.h"
#include "platform/controls/Containers.h"
#include "platform/controls/TextFields.h"

namespace host {

namespace {

template <class Control>
Control& add(NSView& view, std::unique_ptr<Control> control, int tab) {
    return static_cast<Control&>(*view.addControl(std::move(control), tab));
}

NSTextField& addField(NSView& view, int tab, int tag) {
    auto field = std::make_unique<NSTextField>();
    field->setTag(tag);  // a field without a tag is a label
    field->setEditable(true);
    return add(view, std::move(field), tab);
}

// Two tabs: two fields on the first, one on the second.
struct TwoTabView {
    NSView view;
    NSTabView& tabs = add(view, std::make_unique<NSTabView>(), NSView::kNoTab);
    NSTextField& field = addField(view, 0, 1);
    NSTextField& secondField = addField(view, 0, 2);
    NSTextField& otherTabField = addField(view, 1, 3);

    TwoTabView() {
        tabs.addTabViewItem(std::make_unique<NSTabViewItem>("One"));
        tabs.addTabViewItem(std::make_unique<NSTabViewItem>("Two"));
    }
};

}  // namespace

TEST(DialogFocus, AfterAnOperationRefusesFieldsOfHiddenTabsAndLeavesDimmedFields) {
    // That a handler's new focus takes the cursor, the pseudo-terminal flows
    // show; here the focus it cannot take.
    TwoTabView panel;
    panel.view.window().makeFirstResponder(&panel.field);
    DialogFocus focus(panel.view);
    EXPECT_EQ(focus.current(), &panel.field) << "the focused field has the cursor from the start";

    // A field of a tab not shown cannot have the cursor.
    panel.view.window().makeFirstResponder(&panel.otherTabField);
    focus.afterOperation();
    EXPECT_EQ(focus.current(), &panel.field);

    // A handler locks the field: dimmed, and no field has the focus.
    panel.field.setSelectable(false);
    panel.view.window().makeFirstResponder(nullptr);
    focus.afterOperation();
    EXPECT_EQ(focus.current(), &panel.secondField) << "the next place in layout order";

    // A place on a tab no longer shown gives the cursor to one on the shown tab.
    panel.tabs.selectTabViewItemAtIndex(1);
    focus.afterOperation();
    const std::vector<NSControl*> chain = focusChain(panel.view);
    EXPECT_NE(std::find(chain.begin(), chain.end(), focus.current()), chain.end());
}

}  // namespace host
