#pragma once

#include <QObject>
#include <QWidget>
#include <vector>

#include "ui/Control.h"
#include "ui/ModelChange.h"
#include "ui/qt/WindowHost.h"

namespace lanvane {

// Keeps one widget in step with one control model, both ways: model changes reach the
// widget through Apply; what the user does to the widget goes through the model's User*
// entry points, so it raises the same notifications as in the headless backend. While a
// binding copies the model onto its widget it ignores the widget's signals (no loops).
class ControlBinding {
public:
    ControlBinding(Control& control, QWidget& widget, WindowHost& host);
    virtual ~ControlBinding() = default;
    ControlBinding(const ControlBinding&) = delete;
    ControlBinding& operator=(const ControlBinding&) = delete;

    Control& Model() const { return control_; }
    QWidget& Widget() const { return widget_; }
    // The widgets in which the control's keyboard focus can rest.
    virtual std::vector<QWidget*> FocusWidgets() const { return {&widget_}; }

    // Gives the widget the name a screen reader announces.
    virtual void Name(const QString& name);

    // Copies the whole model onto the widget.
    void SyncAll();
    // Copies one change of the model onto the widget.
    void Apply(ModelChange what, int index);

protected:
    // The part of the model particular to this kind of control.
    virtual void SyncContent() = 0;
    // One change of that part; by default everything is copied again.
    virtual void ApplyContent(ModelChange what, int index);

    bool Syncing() const { return syncing_; }
    // The receiver of the widget's signals: connections end with the binding.
    QObject* Receiver() { return &receiver_; }
    // Runs a user action against the model, then copies the model back (it may have refused
    // or corrected what the widget shows) and lets the loops see what the handlers did.
    template <class Action>
    void UserAction(Action action) {
        if (syncing_) {
            return;
        }
        action();
        SyncAll();
        host_.AfterInput();
    }

private:
    Control& control_;
    QWidget& widget_;
    WindowHost& host_;
    QObject receiver_;
    bool syncing_ = false;
};

}  // namespace lanvane
