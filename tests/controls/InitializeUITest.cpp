// The one-time set-up of the controls.
#include <gtest/gtest.h>

#include "controls/TextFields.h"
#include "platform/controls/Containers.h"
#include "platform/controls/NSProgressIndicator.h"
#include "tests/controls/PanelFixture.h"

namespace {

using SetUpOnce = PanelTest;

template <class Filter>
uint64_t maximumOf(const Outlet<NSTextField>& field) {
    const auto* filter = dynamic_cast<const Filter*>(field->formatter());
    return filter ? filter->maxValue : 0;
}

TEST_F(SetUpOnce, InstallsFiltersAndLockIconsAndHidesTheProgressIndicator) {
    for (const auto* field : {&panel->outlets.suspendKeyEditText, &panel->outlets.folderPasswordEditText,
                              &panel->outlets.userNumberEditText, &panel->outlets.accountNumberEditText})
        EXPECT_EQ(maximumOf<MyIntegerNumberFilter>(*field), 5u) << (*field)->fieldName();
    EXPECT_EQ(maximumOf<MyRomanFilter>(panel->outlets.passwordEditText), 31u);
    EXPECT_EQ(maximumOf<MyRomanFilter>(panel->outlets.folderNameEditText), 255u);
    EXPECT_EQ(maximumOf<MyRomanFilter>(panel->outlets.userNameEditText), 32u);
    EXPECT_EQ(maximumOf<MyRomanFilter>(panel->outlets.jobNameEditText), 80u);
    const auto* login = dynamic_cast<const LoginnameInputFilter*>(panel->outlets.loginNameEditText->formatter());
    EXPECT_TRUE(login && login->m_context == static_cast<LoginnameInputFilterCallback*>(panel.get()));
    ASSERT_TRUE(panel->outlets.jobNameButton->image() && panel->outlets.jobNameButton->alternateImage());
    EXPECT_EQ(
        panel->outlets.jobNameButton->image()->name() + "/" + panel->outlets.jobNameButton->alternateImage()->name(),
        "ulck/lock");
    EXPECT_TRUE(panel->outlets.chasingArrow->isHidden());
}

TEST_F(SetUpOnce, LaterRunsChangeNothing) {
    panel->outlets.jobNameStaticText->setStringValue("Job Name: typed later");
    panel->outlets.tabView->selectTabViewItemAtIndex(2);
    panel->initializeUI();
    panel->willShow();
    EXPECT_EQ(panel->outlets.jobNameStaticText->stringValue(), "Job Name: typed later");
    EXPECT_EQ(panel->outlets.tabView->indexOfSelectedTabViewItem(), 2);
}

TEST(SetUp, ShowsTheDeviceAddressOrElseTheViewsText) {
    const FixtureBundle bundle(
        R"({"controls": [{"name": "printersAddressEditText", "kind": "editField", "text": "printer.local"}]})");
    EXPECT_EQ(bundle.panelFor(FakeHost::withSamplePPD())->outlets.printersAddressEditText->stringValue(),
              "192.168.1.20");
    auto usbHost = FakeHost::withSamplePPD();
    usbHost->printer.deviceURI = "usb://Nelvo/ZLM420k";
    EXPECT_EQ(bundle.panelFor(usbHost)->outlets.printersAddressEditText->stringValue(), "printer.local");
}

}  // namespace
