#include "ui/qt/IpAddressBinding.h"

#include "ui/AccessibleName.h"
#include "ui/qt/QtText.h"

namespace lanvane {

IpAddressBinding::IpAddressBinding(IpAddressControl& address, IpAddressEdit& widget, WindowHost& host)
    : FieldsBinding(address, widget, host), address_(address), widget_(widget) {
    widget_.OnFieldEdited([this](int index, const QString& digits) {
        UserAction([this, index, &digits] { address_.UserSetField(index, ToStdString(digits)); });
    });
}

IpAddressBinding::~IpAddressBinding() {
    widget_.OnFieldEdited({});
}

std::vector<QWidget*> IpAddressBinding::FocusWidgets() const {
    std::vector<QWidget*> fields;
    for (int index = 0; index < IpAddressEdit::kFieldCount; ++index) {
        fields.push_back(&widget_.FieldEdit(index));
    }
    return fields;
}

void IpAddressBinding::Name(const QString& name) {
    ControlBinding::Name(name);
    for (int index = 0; index < IpAddressEdit::kFieldCount; ++index) {
        widget_.FieldEdit(index).setAccessibleName(ToQString(IpFieldName(index, ToStdString(name))));
    }
}

void IpAddressBinding::SyncField(int index) {
    const auto value = address_.Field(index);
    widget_.SetFieldText(index, value ? QString::number(*value) : QString());
}

}  // namespace lanvane
