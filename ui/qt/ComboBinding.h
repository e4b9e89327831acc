#pragma once

#include <QComboBox>

#include "ui/ComboBox.h"
#include "ui/ItemsBinding.h"
#include "ui/qt/ControlBinding.h"

namespace lanvane {

// A drop-down list or a drop-down combo. Picking an entry goes to UserChoose; editing the
// combo's edit field goes to UserReplaceText.
class ComboBinding final : public ItemsBinding<ControlBinding> {
public:
    ComboBinding(ComboBox& combo, QComboBox& widget, WindowHost& host);
    // A combo's edit field is read by the combo's name too.
    void Name(const QString& name) override;

private:
    void SyncItems() override;
    void SyncSelection() override;

    ComboBox& combo_;
    QComboBox& widget_;
};

}  // namespace lanvane
