// How a front end opens the panel it shows: the plug-in's first panel for
// the print dialog, made for the host, its view loaded and its values
// restored. willShow is the front end's, once its window appears.
#pragma once

#include <memory>

class NSView;
class PDEPanel;
class PDEPlugIn;
class PDEPluginCallback;

namespace host {

struct OpenedView {
    std::shared_ptr<PDEPanel> panel;
    std::shared_ptr<NSView> view;  // owned by the panel's controls too
};

// Throws UsageError when the plug-in offers no panel or the panel no view.
OpenedView openPanelView(PDEPlugIn& principal, std::shared_ptr<PDEPluginCallback> host);

}  // namespace host
