// The print dialog's plug-in interface: what the dialog (the host) offers a
// panel, what it asks of a panel, the principal class of a plug-in bundle,
// and the optional side a panel shows a developer's dialog (PanelInspection).
#pragma once

#include <cups/ppd.h>

#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/PrintingFramework.h"

class NSBundle;
class NSView;

struct NSError;

// The dialog type of the print dialog itself.
inline constexpr const char* kPrintDialogPDEType = "BDB091F4-E57F-11D3-B5CC-0050E4603277";

// The host's side: the object that the dialog hands each panel it creates.
class PDEPluginCallback {
public:
    virtual ~PDEPluginCallback();

    // Whether the host offers constraint handling
    // (willChangePPDOptionKeyValue), asked once at panel creation.
    virtual bool respondsToWillChangePPDOptionKeyValue() const = 0;
    virtual ppd_file_t* ppdFile() = 0;
    virtual PMPrintSession printSession() = 0;
    virtual PMPrintSettings printSettings() = 0;
    // Whether the host lets the PPD option `option` change to `choice`.
    virtual bool willChangePPDOptionKeyValue(const std::string& option, const std::string& choice) = 0;
};

// A panel of the dialog, as the dialog calls it.
class PDEPanel {
public:
    virtual ~PDEPanel();

    virtual std::shared_ptr<NSView> panelView() = 0;
    virtual std::string panelName() = 0;
    virtual std::string panelKind() = 0;
    virtual std::vector<std::string> supportedPPDOptionKeys() = 0;
    virtual void willShow() = 0;
    virtual bool shouldHide() = 0;
    virtual bool shouldPrint() = 0;
    virtual bool shouldShowHelp() = 0;
    virtual void PPDOptionKeyValueDidChange(const std::string& option, const std::string& choice) = 0;
    virtual bool restoreValuesAndReturnError(NSError** error) = 0;
    virtual bool saveValuesAndReturnError(NSError** error) = 0;
    virtual std::map<std::string, std::string> summaryInfo() = 0;
};

using PDEPanelList = std::vector<std::shared_ptr<PDEPanel>>;

// The principal class of a plug-in bundle.
class PDEPlugIn {
public:
    virtual ~PDEPlugIn();

    virtual bool initWithBundle(NSBundle* bundle) = 0;
    // The panels for a dialog type: a list (possibly empty), or none.
    virtual std::optional<PDEPanelList> PDEPanelsForType(const std::string& type,
                                                         std::shared_ptr<PDEPluginCallback> hostInfo) = 0;
};

// A bundle's executable exports one C function that makes its principal
// class; its name is the principal class's name (Info.json "NSPrincipalClass")
// followed by this suffix. The caller owns the object it gives.
using PDEPlugInFactory = PDEPlugIn* (*)();
inline constexpr const char* kPDEPlugInFactorySuffix = "Create";

// An optional side of a panel for a dialog that shows a developer what the
// panel holds beyond its controls (the scripted dialog's `dump`). It is no
// part of what a print dialog asks of a panel: a panel offers it by deriving
// from it, and the dialog asks for it with dynamic_cast.
class PanelInspection {
public:
    virtual ~PanelInspection();

    virtual nlohmann::json inspectionState() const = 0;
};
