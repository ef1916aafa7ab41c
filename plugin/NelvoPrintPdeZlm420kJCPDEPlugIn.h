// The plug-in's principal class: what the print dialog makes first, and the
// factory of its one panel.
#pragma once

#include "platform/core/PrintDialogPlugIn.h"

class NelvoPrintPdeZlm420kJCPDEPlugIn : public PDEPlugIn {
public:
    bool initWithBundle(NSBundle* bundle) override;
    // One new panel for the print dialog's type, an empty list for any other.
    std::optional<PDEPanelList> PDEPanelsForType(const std::string& type,
                                                 std::shared_ptr<PDEPluginCallback> hostInfo) override;
};
