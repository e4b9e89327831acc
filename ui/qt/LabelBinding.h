#pragma once

#include <QLabel>

#include "ui/Control.h"
#include "ui/qt/ControlBinding.h"

namespace lanvane {

// A static text: wrapped between words and aligned as its styles say, as classic static
// texts are. The user cannot act on it.
class LabelBinding final : public ControlBinding {
public:
    LabelBinding(Control& label, QLabel& widget, WindowHost& host);

private:
    void SyncContent() override;

    QLabel& widget_;
};

}  // namespace lanvane
