// An optional side of a panel for a dialog that shows a developer what the
// panel holds beyond its controls (the scripted dialog's `dump`). It is no
// part of what a print dialog asks of a panel: a panel offers it by deriving
// from it, and the dialog asks for it with dynamic_cast.
#pragma once

#include <nlohmann/json.hpp>

class PanelInspection {
public:
    virtual ~PanelInspection();

    virtual nlohmann::json inspectionState() const = 0;
};
