#include "host/gtk/PanelTab.h"

#include "host/gtk/AdapterFactory.h"
#include "host/gtk/PageLayout.h"
#include "host/gtk/TabViewAdapter.h"
#include "platform/controls/Containers.h"
#include "platform/controls/TextFields.h"

namespace host {

PanelTab::PanelTab(NSView& view)
    : view_(view), operations_([this] { followModel(); }), root_(gtk_box_new(GTK_ORIENTATION_VERTICAL, 6)) {
    g_object_ref_sink(root_);
    for (NSControl* control : view_.controls())
        if (std::unique_ptr<ControlAdapter> adapter = makeAdapter(*control, operations_))
            adapters_.push_back(std::move(adapter));
    if (GtkWidget* tabs = buildTabs()) gtk_box_append(GTK_BOX(root_), tabs);
    std::vector<NSControl*> outside = view_.controlsOnTab(NSView::kNoTab);
    std::erase(outside, view_.tabView());
    if (!outside.empty()) gtk_box_append(GTK_BOX(root_), layOut(outside));
    followModel();
}

PanelTab::~PanelTab() {
    adapters_.clear();
    g_object_unref(root_);
}

GtkWidget* PanelTab::buildTabs() {
    NSTabView* tabs = view_.tabView();
    auto* adapter = tabs ? dynamic_cast<TabViewAdapter*>(adapterNamed(tabs->fieldName())) : nullptr;
    if (!adapter) return nullptr;
    for (int tab = 0; tab < tabs->numberOfTabViewItems(); ++tab)
        adapter->appendPage(layOut(view_.controlsOnTab(tab)));
    return adapter->widget();
}

GtkWidget* PanelTab::layOut(const std::vector<NSControl*>& controls) const {
    PageLayout layout;
    for (const NSControl* control : controls)
        for (const auto& adapter : adapters_)
            if (&adapter->control() == control) layout.add(*adapter);
    return layout.finish();
}

ControlAdapter* PanelTab::adapterNamed(const std::string& name) const {
    for (const auto& adapter : adapters_)
        if (adapter->control().fieldName() == name) return adapter.get();
    return nullptr;
}

void PanelTab::followModel() {
    for (const auto& adapter : adapters_)
        adapter->followModel();
    followFocus();
}

// Only a change of the panel's first responder moves GTK's focus: a person
// who tabs to a button keeps it there.
void PanelTab::followFocus() {
    NSTextField* responder = view_.window().firstResponder();
    if (responder == focusedField_) return;
    focusedField_ = responder;
    if (!responder) return;
    for (const auto& adapter : adapters_)
        if (&adapter->control() == responder) gtk_widget_grab_focus(adapter->widget());
}

}  // namespace host
