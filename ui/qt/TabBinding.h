#pragma once

#include <QTabWidget>

#include "ui/TabControl.h"
#include "ui/ItemsBinding.h"
#include "ui/qt/ControlBinding.h"

namespace lanvane {

// A tab control: the tab strip and its frame. The pages are dialogs of their own laid over
// the frame, so every tab holds an empty, see-through placeholder. A tab the user picks
// goes to UserSelectTab; when the window refuses it, the strip goes back.
class TabBinding final : public ItemsBinding<ControlBinding> {
public:
    TabBinding(TabControl& tabs, QTabWidget& widget, WindowHost& host);
    // The tab strip, which takes the focus, is named with the control.
    void Name(const QString& name) override;

private:
    void SyncItems() override;
    void SyncSelection() override;

    TabControl& tabs_;
    QTabWidget& widget_;
};

}  // namespace lanvane
