#pragma once

#include "ui/EditControl.h"
#include "ui/win32/ControlBinding.h"

namespace lanvane {

// An edit field. The system's own limit (EM_LIMITTEXT) and digits-only style (ES_NUMBER)
// hold the user's typing as the model's rules do; every change the user makes goes to the
// model as the field's whole text.
class EditBinding final : public ControlBinding {
public:
    EditBinding(EditControl& edit, HWND window, WindowHost& host);

    void OnCommand(int code) override;

private:
    void SyncContent() override;

    EditControl& edit_;
};

}  // namespace lanvane
