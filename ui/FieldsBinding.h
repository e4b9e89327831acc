#pragma once

#include "ui/IpAddressControl.h"
#include "ui/ModelChange.h"

namespace lanvane {

// How an IP address control follows its model, on any backend's binding: the one field
// that changed, or all four.
template <class Binding>
class FieldsBinding : public Binding {
public:
    using Binding::Binding;

protected:
    virtual void SyncField(int index) = 0;

private:
    void SyncContent() override {
        for (int index = 0; index < IpAddressControl::kFieldCount; ++index) {
            SyncField(index);
        }
    }
    void ApplyContent(ModelChange what, int index) override {
        if (what == ModelChange::Field && index >= 0 && index < IpAddressControl::kFieldCount) {
            SyncField(index);
        } else {
            SyncContent();
        }
    }
};

}  // namespace lanvane
