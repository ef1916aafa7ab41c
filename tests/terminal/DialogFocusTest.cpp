// Where the cursor may stand, and how it keeps in step with the window's
// keyboard focus.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/terminal/DialogFocus.h"
#include "host/terminal/FocusChain.h"
#include "platform/controls/NSButton.h"
#include "platform/controls/NSTabView.h"
#include "platform/controls/NSTextField.h"
#include "platform/controls/NSView.h"

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

// Two tabs: a check box and two fields on the first, a field on the second.
struct TwoTabView {
    NSView view;
    NSTabView& tabs = add(view, std::make_unique<NSTabView>(), NSView::kNoTab);
    NSButton& checkBox = add(view, std::make_unique<NSButton>(NSButtonType::checkBox), 0);
    NSTextField& field = addField(view, 0, 1);
    NSTextField& secondField = addField(view, 0, 2);
    NSTextField& otherTabField = addField(view, 1, 3);

    TwoTabView() {
        tabs.addTabViewItem(std::make_unique<NSTabViewItem>("One"));
        tabs.addTabViewItem(std::make_unique<NSTabViewItem>("Two"));
    }
};

}  // namespace

TEST(DialogFocus, AfterAnOperationFollowsTheFocusThatThePanelMovedAndLeavesDimmedFields) {
    TwoTabView panel;
    panel.view.window().makeFirstResponder(&panel.secondField);
    DialogFocus focus(panel.view);
    EXPECT_EQ(focus.current(), &panel.secondField) << "the focused field has the cursor from the start";

    focus.moveTo(&panel.checkBox);
    // A handler (say, unlocking a field) gives a field of the shown tab the focus.
    panel.view.window().makeFirstResponder(&panel.field);
    focus.afterOperation();
    EXPECT_EQ(focus.current(), &panel.field);
    EXPECT_FALSE(focus.editing()) << "a new field is clicked into afresh";

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
