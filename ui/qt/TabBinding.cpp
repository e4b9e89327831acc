#include "ui/qt/TabBinding.h"

#include <QTabBar>
#include <QWidget>

#include "ui/qt/QtText.h"

namespace lanvane {

TabBinding::TabBinding(TabControl& tabs, QTabWidget& widget, WindowHost& host)
    : ItemsBinding(tabs, widget, host), tabs_(tabs), widget_(widget) {
    QObject::connect(&widget_, &QTabWidget::currentChanged, Receiver(), [this](int index) {
        UserAction([this, index] { tabs_.UserSelectTab(index); });
    });
}

void TabBinding::Name(const QString& name) {
    ControlBinding::Name(name);
    widget_.tabBar()->setAccessibleName(name);
}

void TabBinding::SyncItems() {
    for (int index = 0; index < tabs_.GetItemCount(); ++index) {
        // Written with Windows' marks, which the tab bar reads alike: "&&" shows one ampersand.
        const QString text = ToQString(tabs_.GetItemText(index));
        if (index >= widget_.count()) {
            widget_.addTab(new QWidget(), text);
        } else if (widget_.tabText(index) != text) {
            widget_.setTabText(index, text);
        }
    }
    while (widget_.count() > tabs_.GetItemCount()) {
        QWidget* placeholder = widget_.widget(widget_.count() - 1);
        widget_.removeTab(widget_.count() - 1);
        delete placeholder;
    }
}

void TabBinding::SyncSelection() {
    if (tabs_.GetCurSel() >= 0 && widget_.currentIndex() != tabs_.GetCurSel()) {
        widget_.setCurrentIndex(tabs_.GetCurSel());
    }
}

}  // namespace lanvane
