// The graphical dialog in the test's own process, on the private X server:
// the bundle loaded as print-dialog loads it, the sample PPD, the printer
// "Print to File" (which GTK always lists, so Print can be pressed), and
// the widgets found by the panel's field names.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "host/PlugInLoader.h"
#include "host/ScriptedHost.h"
#include "host/gtk/AlertDialogPresenter.h"
#include "host/gtk/GtkPanelDialog.h"

namespace host {

class GtkDialogFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ControlAdapter& widgetOf(const std::string& fieldName);
    template <class Control>
    Control& controlOf(const std::string& fieldName) {
        return dynamic_cast<Control&>(widgetOf(fieldName).control());
    }
    // The GTK widget named after a field or a matrix's cell, found in the
    // tab's widget tree.
    GtkWidget* widgetNamed(const std::string& fieldName);
    // Whether GTK's keyboard focus is in the widget of that field.
    bool hasFocus(const std::string& fieldName);

    std::unique_ptr<LoadedPlugIn> plugIn_;
    std::shared_ptr<ScriptedHost> host_;
    std::unique_ptr<GtkPanelDialog> dialog_;
    std::ostringstream alertTranscript_;
    std::unique_ptr<AlertDialogPresenter> alerts_;
};

}  // namespace host
