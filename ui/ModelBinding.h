#pragma once

#include "ui/Control.h"
#include "ui/ModelChange.h"

namespace lanvane {

// What every backend's binding of one control does alike: it copies the model onto the
// control's window, whole or one change at a time. While it copies, the window's own
// notifications are not the user's (Syncing) and the dialog's windows are being mirrored.
class ModelBinding {
public:
    // mirroring: the flag of the window host that the dialog's bindings share.
    ModelBinding(Control& control, bool& mirroring) : control_(control), mirroring_(mirroring) {}
    virtual ~ModelBinding() = default;
    ModelBinding(const ModelBinding&) = delete;
    ModelBinding& operator=(const ModelBinding&) = delete;

    Control& Model() const { return control_; }

    // Copies the whole model onto the window.
    void SyncAll();
    // Copies one change of the model onto the window.
    void Apply(ModelChange what, int index);

protected:
    virtual void ShowEnabled() = 0;
    virtual void ShowVisible() = 0;
    // The part of the model particular to this kind of control.
    virtual void SyncContent() = 0;
    // One change of that part; by default everything is copied again.
    virtual void ApplyContent(ModelChange what, int index);

    bool Syncing() const { return syncing_; }

private:
    Control& control_;
    bool& mirroring_;
    bool syncing_ = false;
};

}  // namespace lanvane
