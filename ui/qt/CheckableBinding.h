#pragma once

#include <QAbstractButton>

#include "ui/CheckableButton.h"
#include "ui/qt/ControlBinding.h"

namespace lanvane {

// A check box or radio button. The widget does not mark itself: the model decides (a radio
// clears the others of its template group, which Qt's own exclusivity would not know).
class CheckableBinding final : public ControlBinding {
public:
    CheckableBinding(CheckableButton& button, QAbstractButton& widget, WindowHost& host);

private:
    void SyncContent() override;

    CheckableButton& button_;
    QAbstractButton& widget_;
};

}  // namespace lanvane
