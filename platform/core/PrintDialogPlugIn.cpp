#include "platform/core/PrintDialogPlugIn.h"

// The key functions: the interfaces' type information lives in the platform
// library, shared by the dialog and every plug-in it loads.
PDEPluginCallback::~PDEPluginCallback() = default;
PDEPanel::~PDEPanel() = default;
PDEPlugIn::~PDEPlugIn() = default;
PanelInspection::~PanelInspection() = default;
