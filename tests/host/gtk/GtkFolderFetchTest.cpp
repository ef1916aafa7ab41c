// The folder fetch from GTK's dialog: while the panel waits for the device
// the window keeps drawing with the spinner turning; the device's folders
// fill the drop-down (the protected one with the padlock); a refused
// connection brings up the alert as a modal dialog.
#include <chrono>

#include "host/gtk/PopUpAdapter.h"
#include "platform/controls/Menus.h"
#include "tests/host/gtk/GtkDialogFixture.h"
#include "tools/DeviceSimulator.h"
#include "tools/FolderAnswer.h"

namespace host {

using platform::UserResult;

namespace {

// Counts the window's frames drawn while the spinner turns.
struct SpinningFrames {
    GtkWidget* spinner;
    int count = 0;

    static void painted(GdkFrameClock*, SpinningFrames* self) {
        if (gtk_widget_get_visible(self->spinner) && gtk_spinner_get_spinning(GTK_SPINNER(self->spinner)))
            ++self->count;
    }
};

}  // namespace

TEST_F(GtkDialogFixture, TheFetchKeepsTheWindowAliveAndFillsTheDropDownWithPadlocks) {
    DeviceBehaviour slow;
    slow.answerDelay = std::chrono::milliseconds(1500);
    slow.answerBody = folderListAnswer({{"Reports", false, false}, {"Payroll", true, false}});
    DeviceSimulator device(slow);
    ASSERT_EQ(widgetOf("retentionCheckBox").click(), UserResult::done);
    ASSERT_EQ(widgetOf("printersAddressEditText").erase(), UserResult::done);
    ASSERT_EQ(widgetOf("printersAddressEditText").type(device.address()), UserResult::done);

    SpinningFrames frames{widgetNamed("chasingArrow")};
    GdkFrameClock* clock = gtk_widget_get_frame_clock(GTK_WIDGET(dialog_->window().window()));
    const gulong handler = g_signal_connect(clock, "after-paint", G_CALLBACK(SpinningFrames::painted), &frames);
    EXPECT_EQ(widgetOf("getFolderNameButton").click(), UserResult::done);
    g_signal_handler_disconnect(clock, handler);
    EXPECT_GE(frames.count, 3) << "the window drew while the panel waited";
    EXPECT_FALSE(gtk_widget_get_visible(frames.spinner));

    auto& popUp = controlOf<NSPopUpButton>("folderSelectionPopup");
    auto& dropDown = dynamic_cast<PopUpAdapter&>(widgetOf("folderSelectionPopup"));
    ASSERT_EQ(dropDown.rowCount(), static_cast<unsigned>(popUp.numberOfItems()));
    int payroll = -1;
    for (int index = 0; index < popUp.numberOfItems(); ++index)
        if (popUp.itemAtIndex(index)->title() == "Payroll") payroll = index;
    ASSERT_GE(payroll, 0);
    ASSERT_TRUE(popUp.itemAtIndex(payroll)->image());
    EXPECT_EQ(popUp.itemAtIndex(payroll)->image()->name(), "lock");

    // Choosing the protected folder in the drop-down: the panel wants its
    // pass code and puts the focus there.
    EXPECT_EQ(dropDown.select(payroll), UserResult::done);
    EXPECT_EQ(gtk_drop_down_get_selected(GTK_DROP_DOWN(dropDown.widget())), static_cast<guint>(payroll));
    EXPECT_TRUE(hasFocus("folderPasswordEditText"));
    // A separator cannot be chosen: the drop-down stays on the folder.
    for (int index = 0; index < popUp.numberOfItems(); ++index)
        if (popUp.itemAtIndex(index)->isSeparatorItem()) {
            EXPECT_EQ(dropDown.select(index), UserResult::notSelectable) << index << " of " << popUp.numberOfItems();
            EXPECT_EQ(gtk_drop_down_get_selected(GTK_DROP_DOWN(dropDown.widget())), static_cast<guint>(payroll));
        }
}

TEST_F(GtkDialogFixture, ARefusedConnectionBringsUpTheAlertDialog) {
    DeviceBehaviour refusing;
    refusing.refuse = true;
    DeviceSimulator device(refusing);
    ASSERT_EQ(widgetOf("printersAddressEditText").erase(), UserResult::done);
    ASSERT_EQ(widgetOf("printersAddressEditText").type(device.address()), UserResult::done);
    EXPECT_EQ(widgetOf("getFolderNameButton").click(), UserResult::done);
    EXPECT_EQ(alerts_->shownCount(), 1);
    EXPECT_NE(alertTranscript_.str().find("Could not retrieve Folder Names."), std::string::npos)
        << alertTranscript_.str();
}

}  // namespace host
