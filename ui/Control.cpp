#include "ui/Control.h"

namespace lanvane {

Control::Control(ControlHost& host, const ControlTemplate& source)
    : host_(host),
      id_(source.id),
      kind_(source.kind),
      styles_(source.styles),
      rect_(source.rect),
      text_(source.text),
      enabled_((source.styles & style::kDisabled) == 0),
      visible_((source.styles & style::kHidden) == 0) {}

void Control::SetText(std::string_view text) {
    StoreText(std::string(text));
}

void Control::StoreText(std::string text) {
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    Changed(ModelChange::Text);
}

void Control::Enable(bool enable) {
    if (enable == enabled_) {
        return;
    }
    enabled_ = enable;
    Changed(ModelChange::Enabled);
}

void Control::Show(bool show) {
    if (show == visible_) {
        return;
    }
    visible_ = show;
    Changed(ModelChange::Visible);
}

bool Control::CanTakeFocus() const {
    switch (kind_) {
    case ControlKind::StaticText:
    case ControlKind::GroupBox:
    case ControlKind::ProgressBar:
    case ControlKind::Icon:
        return false;
    default:
        return true;
    }
}

void Control::FocusChanged(bool /*gained*/) {}

bool Control::UserFocus() {
    if (!CanTakeFocus() || !AcceptsUserInput()) {
        return false;
    }
    host_.UserFocus(*this);
    return true;
}

bool Control::UserClick() {
    return false;
}

}  // namespace lanvane
