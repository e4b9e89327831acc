#pragma once

#include <string>
#include <vector>

#include "ui/FieldsBinding.h"
#include "ui/IpAddressControl.h"
#include "ui/win32/ControlBinding.h"

namespace lanvane {

// The system's IP address control: a field the user changed (each keystroke comes as
// EN_CHANGE, leaving a field as IPN_FIELDCHANGED) goes to the model's UserSetField. The model's fields are written into the control's four edit
// fields one by one, since a field of the model may be blank while the others are not.
class IpAddressBinding final : public FieldsBinding<ControlBinding> {
public:
    IpAddressBinding(IpAddressControl& address, HWND window, WindowHost& host);

    std::vector<HWND> FocusWindows() const override { return fields_; }
    void OnCommand(int code) override;
    LRESULT OnNotify(const NMHDR& header) override;

private:
    void SyncField(int index) override;
    void TakeUserFields();
    std::string ShownField(int index) const;

    IpAddressControl& address_;
    std::vector<HWND> fields_;  // left to right
};

}  // namespace lanvane
