#include "ui/ControlFactory.h"

#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/EditControl.h"
#include "ui/IpAddressControl.h"
#include "ui/ListView.h"
#include "ui/ProgressBar.h"
#include "ui/PushButton.h"
#include "ui/RadioButton.h"
#include "ui/TabControl.h"

namespace lanvane {

std::unique_ptr<Control> MakeControl(ControlHost& host, const ControlTemplate& source) {
    switch (source.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
        return std::make_unique<PushButton>(host, source);
    case ControlKind::RadioButton:
        return std::make_unique<RadioButton>(host, source);
    case ControlKind::CheckBox:
        return std::make_unique<CheckBox>(host, source);
    case ControlKind::Edit:
        return std::make_unique<EditControl>(host, source);
    case ControlKind::DropDownList:
    case ControlKind::DropDownCombo:
        return std::make_unique<ComboBox>(host, source);
    case ControlKind::ListView:
        return std::make_unique<ListView>(host, source);
    case ControlKind::ProgressBar:
        return std::make_unique<ProgressBar>(host, source);
    case ControlKind::TabControl:
        return std::make_unique<TabControl>(host, source);
    case ControlKind::IpAddress:
        return std::make_unique<IpAddressControl>(host, source);
    case ControlKind::StaticText:
    case ControlKind::GroupBox:
    case ControlKind::Icon:
        break;
    }
    return std::make_unique<Control>(host, source);
}

}  // namespace lanvane
