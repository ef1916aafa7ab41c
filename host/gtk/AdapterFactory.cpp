#include "host/gtk/AdapterFactory.h"

#include "host/gtk/ButtonAdapters.h"
#include "host/gtk/DisplayAdapters.h"
#include "host/gtk/EditFieldAdapter.h"
#include "host/gtk/PopUpAdapter.h"
#include "host/gtk/RadioMatrixAdapter.h"
#include "host/gtk/TabViewAdapter.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/Menus.h"
#include "platform/controls/NSProgressIndicator.h"
#include "platform/controls/TextFields.h"

namespace host {

namespace {

std::unique_ptr<ControlAdapter> buttonAdapter(NSButton& button, UserOperations& operations) {
    switch (button.buttonType()) {
        case NSButtonType::checkBox: return std::make_unique<CheckBoxAdapter>(button, operations);
        case NSButtonType::lockButton: return std::make_unique<LockButtonAdapter>(button, operations);
        case NSButtonType::pushButton: break;
    }
    return std::make_unique<PushButtonAdapter>(button, operations);
}

}  // namespace

std::unique_ptr<ControlAdapter> makeAdapter(NSControl& control, UserOperations& operations) {
    if (auto* button = dynamic_cast<NSButton*>(&control)) return buttonAdapter(*button, operations);
    if (auto* matrix = dynamic_cast<NSMatrix*>(&control))
        return std::make_unique<RadioMatrixAdapter>(*matrix, operations);
    if (auto* popUp = dynamic_cast<NSPopUpButton*>(&control)) return std::make_unique<PopUpAdapter>(*popUp, operations);
    if (auto* field = dynamic_cast<NSTextField*>(&control)) {
        if (field->isLabel()) return std::make_unique<LabelAdapter>(*field, operations);
        return std::make_unique<EditFieldAdapter>(*field, operations);
    }
    if (auto* box = dynamic_cast<NSBox*>(&control)) return std::make_unique<BoxAdapter>(*box, operations);
    if (auto* tabs = dynamic_cast<NSTabView*>(&control)) return std::make_unique<TabViewAdapter>(*tabs, operations);
    if (auto* progress = dynamic_cast<NSProgressIndicator*>(&control))
        return std::make_unique<ProgressAdapter>(*progress, operations);
    return nullptr;
}

}  // namespace host
