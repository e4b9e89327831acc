#pragma once

#include "ui/ModelChange.h"

namespace lanvane {

class Control;
class Dialog;

// Sees every change of a dialog's models, whether the program or the user made it.
// A widget backend implements it to keep its widgets in step with the models.
class DialogObserver {
public:
    virtual ~DialogObserver() = default;
    // index names the row, cell row or field the change concerns; -1 when the whole control.
    virtual void OnControlChanged(const Control& control, ModelChange what, int index) = 0;
    virtual void OnDialogChanged(const Dialog& dialog, DialogChange what) = 0;
};

}  // namespace lanvane
