#include "plugin/NelvoPrintPdeZlm420kJCPDEPlugIn.h"

#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

bool NelvoPrintPdeZlm420kJCPDEPlugIn::initWithBundle(NSBundle* /*bundle*/) {
    PDEProlog(this, "initWithBundle:");
    PDEEpilog(this, "initWithBundle:=BOOL(YES)");
    return true;
}

std::optional<PDEPanelList> NelvoPrintPdeZlm420kJCPDEPlugIn::PDEPanelsForType(
    const std::string& type, std::shared_ptr<PDEPluginCallback> hostInfo) {
    PDEProlog(this, "PDEPanelsForType:", type);
    std::optional<PDEPanelList> panels = PDEPanelList();
    if (type == kPrintDialogPDEType) {
        if (auto panel = NelvoPrintPdeZlm420kJC::initWithCallback(std::move(hostInfo)))
            panels->push_back(std::move(panel));
        else
            panels.reset();
    }
    PDEEpilog(this, "PDEPanelsForType:=NSArray(%@)", panels ? panels->size() : 0);
    return panels;
}
