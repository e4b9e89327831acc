#pragma once

#include <QObject>
#include <QWidget>
#include <vector>

#include "ui/ModelBinding.h"
#include "ui/qt/WindowHost.h"

namespace lanvane {

// Keeps one widget in step with one control model, both ways: model changes reach the
// widget through Apply; what the user does to the widget goes through the model's User*
// entry points, so it raises the same notifications as in the headless backend. While a
// binding copies the model onto its widget it ignores the widget's signals (no loops).
class ControlBinding : public ModelBinding {
public:
    ControlBinding(Control& control, QWidget& widget, WindowHost& host);

    QWidget& Widget() const { return widget_; }
    // The widgets in which the control's keyboard focus can rest.
    virtual std::vector<QWidget*> FocusWidgets() const { return {&widget_}; }

    // Gives the widget the name a screen reader announces.
    virtual void Name(const QString& name);

protected:
    // The receiver of the widget's signals: connections end with the binding.
    QObject* Receiver() { return &receiver_; }
    // Runs a user action against the model, then copies the model back (it may have refused
    // or corrected what the widget shows) and lets the loops see what the handlers did.
    template <class Action>
    void UserAction(Action action) {
        if (Syncing()) {
            return;
        }
        action();
        SyncAll();
        host_.AfterInput();
    }

private:
    void ShowEnabled() override;
    void ShowVisible() override;

    QWidget& widget_;
    WindowHost& host_;
    QObject receiver_;
};

}  // namespace lanvane
