#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "ui/CheckableButton.h"
#include "ui/Control.h"
#include "ui/ProgressBar.h"
#include "ui/PushButton.h"
#include "ui/qt/ControlBinding.h"

// The bindings of the simple controls: each takes the model's text or state to its widget
// and, where the user can act on it, the user's action to the model.
namespace lanvane {

// A push button: a click goes to the model's UserClick. A multi-line button breaks its
// label between words when it does not fit on one line.
class ButtonBinding final : public ControlBinding {
public:
    ButtonBinding(PushButton& button, QPushButton& widget, WindowHost& host);

private:
    void SyncContent() override;

    PushButton& button_;
    QPushButton& widget_;
};

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

// A group box: a titled frame drawn behind the controls that lie in it.
class GroupBoxBinding final : public ControlBinding {
public:
    GroupBoxBinding(Control& group, QGroupBox& widget, WindowHost& host);

private:
    void SyncContent() override;

    QGroupBox& widget_;
};

// An icon control: the application icon, drawn to fill the control.
class IconBinding final : public ControlBinding {
public:
    IconBinding(Control& icon, QLabel& widget, const QIcon& image, WindowHost& host);

private:
    void SyncContent() override {}
};

// A static text: wrapped between words and aligned as its styles say, as classic static
// texts are. The user cannot act on it.
class LabelBinding final : public ControlBinding {
public:
    LabelBinding(Control& label, QLabel& widget, WindowHost& host);

private:
    void SyncContent() override;

    QLabel& widget_;
};

// A progress bar without a percentage text, as the classic control draws it.
class ProgressBinding final : public ControlBinding {
public:
    ProgressBinding(ProgressBar& bar, QProgressBar& widget, WindowHost& host);

private:
    void SyncContent() override;

    ProgressBar& bar_;
    QProgressBar& widget_;
};

}  // namespace lanvane
