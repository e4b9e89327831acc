#pragma once

#include "ui/FieldsBinding.h"
#include "ui/IpAddressControl.h"
#include "ui/qt/ControlBinding.h"
#include "ui/qt/IpAddressEdit.h"

namespace lanvane {

// An IP address control: each field the user edits goes to UserSetField, which may turn a
// value above 255 into 255; the field then shows what the model holds.
class IpAddressBinding final : public FieldsBinding<ControlBinding> {
public:
    IpAddressBinding(IpAddressControl& address, IpAddressEdit& widget, WindowHost& host);
    ~IpAddressBinding() override;

    std::vector<QWidget*> FocusWidgets() const override;
    // One field of four is read with its place: "2nd part of IP Address".
    void Name(const QString& name) override;

private:
    void SyncField(int index) override;

    IpAddressControl& address_;
    IpAddressEdit& widget_;
};

}  // namespace lanvane
