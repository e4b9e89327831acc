#pragma once

#include <QLineEdit>

#include "ui/EditControl.h"
#include "ui/qt/ControlBinding.h"
#include "ui/qt/EditInputValidator.h"

namespace lanvane {

// An edit field: masked, right-aligned, read-only and digits-only as its model says. Each
// edit the user makes goes to UserReplaceText; what the model does not take is undone.
class EditBinding final : public ControlBinding {
public:
    EditBinding(EditControl& edit, QLineEdit& widget, WindowHost& host);

private:
    void SyncContent() override;

    EditControl& edit_;
    QLineEdit& widget_;
    EditInputValidator validator_;
};

}  // namespace lanvane
