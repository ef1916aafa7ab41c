// The one-time set-up of the controls.
#include <gtest/gtest.h>

#include "controls/LoginnameInputFilter.h"
#include "controls/MyIntegerNumberFilter.h"
#include "controls/MyRomanFilter.h"
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
    for (const auto* field : {&panel->suspendKeyEditText, &panel->folderPasswordEditText, &panel->userNumberEditText,
                              &panel->accountNumberEditText})
        EXPECT_EQ(maximumOf<MyIntegerNumberFilter>(*field), 5u) << (*field)->fieldName();
    EXPECT_EQ(maximumOf<MyRomanFilter>(panel->passwordEditText), 31u);
    EXPECT_EQ(maximumOf<MyRomanFilter>(panel->folderNameEditText), 255u);
    EXPECT_EQ(maximumOf<MyRomanFilter>(panel->userNameEditText), 32u);
    EXPECT_EQ(maximumOf<MyRomanFilter>(panel->jobNameEditText), 80u);
    const auto* login = dynamic_cast<const LoginnameInputFilter*>(panel->loginNameEditText->formatter());
    EXPECT_TRUE(login && login->m_context == static_cast<LoginnameInputFilterCallback*>(panel.get()));
    ASSERT_TRUE(panel->jobNameButton->image() && panel->jobNameButton->alternateImage());
    EXPECT_EQ(panel->jobNameButton->image()->name() + "/" + panel->jobNameButton->alternateImage()->name(),
              "ulck/lock");
    EXPECT_TRUE(panel->chasingArrow->isHidden());
}

TEST_F(SetUpOnce, LaterRunsChangeNothing) {
    panel->jobNameStaticText->setStringValue("Job Name: typed later");
    panel->tabView->selectTabViewItemAtIndex(2);
    panel->initializeUI();
    panel->willShow();
    EXPECT_EQ(panel->jobNameStaticText->stringValue(), "Job Name: typed later");
    EXPECT_EQ(panel->tabView->indexOfSelectedTabViewItem(), 2);
}

TEST(SetUp, ShowsTheDeviceAddressOrElseTheViewsText) {
    const FixtureBundle bundle(
        R"({"controls": [{"name": "printersAddressEditText", "kind": "editField", "text": "printer.local"}]})");
    EXPECT_EQ(bundle.panelFor(FakeHost::withSamplePPD())->printersAddressEditText->stringValue(), "192.168.1.20");
    auto usbHost = FakeHost::withSamplePPD();
    usbHost->printer.deviceURI = "usb://Nelvo/ZLM420k";
    EXPECT_EQ(bundle.panelFor(usbHost)->printersAddressEditText->stringValue(), "printer.local");
}

}  // namespace
