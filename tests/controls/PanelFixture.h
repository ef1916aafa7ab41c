// A Job Handling panel with its view loaded, made from a fake print dialog,
// and the readings and user operations that the control tests share.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/Menus.h"
#include "platform/controls/TextFields.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"

class PanelTest : public testing::Test {
protected:
    void SetUp() override;

    // Gray, and for an edit field neither editable nor selectable; usable is
    // the opposite in every respect.
    static bool dimmed(const Outlet<NSTextField>& field);
    static bool usable(const Outlet<NSTextField>& field);
    NSTextField* focus() const { return view->window().firstResponder(); }

    // What the user does; each operation must be allowed.
    static void click(const Outlet<NSButton>& button);
    static void choose(const Outlet<NSMatrix>& matrix, int row);
    static void choose(const Outlet<NSPopUpButton>& popUp, int index);
    static void type(const Outlet<NSTextField>& field, const std::string& text);

    // "Public", "Sales" (protected) and "Archive": menu items 3 to 5.
    void listThreeFolders();

    std::shared_ptr<FakeHost> host = std::make_shared<FakeHost>();
    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel;
    std::shared_ptr<NSView> view;
};

void runEveryHandlerAndRule(NelvoPrintPdeZlm420kJC& panel);

// The built bundle's Info.json and images with `layout` as its JobControl5
// (none: no layout), for panels of other views.
class FixtureBundle {
public:
    explicit FixtureBundle(const std::optional<std::string>& layout);
    std::shared_ptr<NelvoPrintPdeZlm420kJC> panelFor(std::shared_ptr<FakeHost> host) const;

private:
    TempDir dir_{"nelvo-bundle"};
};
