#include "ui/qt/QtDialogWindow.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "ui/AccessibleName.h"
#include "ui/PageSwitch.h"
#include "ui/qt/BindingFactory.h"
#include "ui/qt/QtText.h"
#include "ui/SyncGuard.h"
#include "ui/qt/TemplateFont.h"

namespace lanvane {

namespace {

Qt::WindowFlags FlagsFor(const Dialog& dialog, const QtDialogWindow* owner) {
    if (dialog.IsChild()) {
        return Qt::Widget;
    }
    const Qt::WindowFlags frame = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                  Qt::WindowCloseButtonHint;
    // A window of its own (the main menu) can be minimised; owned windows stand over their owner.
    return owner == nullptr ? Qt::Window | frame | Qt::WindowMinimizeButtonHint : Qt::Dialog | frame;
}

// Focus moves the user makes; the window system's own (activation, popups) are not.
bool IsUserFocusMove(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason;
}

// Ctrl+Tab, Ctrl+Shift+Tab (Backtab), Ctrl+PageDown and Ctrl+PageUp.
bool IsPageKey(const QKeyEvent& event) {
    if (!event.modifiers().testFlag(Qt::ControlModifier)) {
        return false;
    }
    const int key = event.key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_PageDown || key == Qt::Key_PageUp;
}

bool HoldsOtherControls(ControlKind kind) {
    return kind == ControlKind::GroupBox || kind == ControlKind::TabControl;
}

}  // namespace

QtDialogWindow::QtDialogWindow(Dialog& dialog, QtDialogWindow* owner, const QIcon& icon, WindowHost& host)
    : QWidget(owner, FlagsFor(dialog, owner)),
      dialog_(dialog),
      isPage_(dialog.IsChild()),
      parentWindow_(isPage_ ? owner : nullptr),
      host_(host),
      units_(TemplateFont(dialog.Template())) {
    setFont(TemplateFont(dialog.Template()));
    if (isPage_) {
        if (parentWindow_ != nullptr) {
            parentWindow_->pages_.push_back(this);
        }
        hide();
    } else {
        setWindowIcon(icon);
        setFixedSize(units_.Size(dialog.Template().width, dialog.Template().height));
    }
    BuildControls(icon);
    TieLabels();
    NameControls();
    if (isPage_) {
        FollowTabStrip();
    }
    SyncWindow();
    dialog_.SetObserver(this);
}

QtDialogWindow::~QtDialogWindow() {
    dialog_.SetObserver(nullptr);
    for (QtDialogWindow* page : pages_) {
        page->parentWindow_ = nullptr;
    }
    if (parentWindow_ != nullptr) {
        auto& siblings = parentWindow_->pages_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    // The bindings go before the widgets they watch.
    byFocusWidget_.clear();
    byControl_.clear();
    bindings_.clear();
}

void QtDialogWindow::BuildControls(const QIcon& icon) {
    for (const auto& control : dialog_.Controls()) {
        auto binding = MakeBinding(*control, *this, units_, icon, host_);
        byControl_[control.get()] = binding.get();
        for (QWidget* focusWidget : binding->FocusWidgets()) {
            byFocusWidget_[focusWidget] = binding.get();
            focusWidget->installEventFilter(this);
        }
        bindings_.push_back(std::move(binding));
    }
    // Frames lie behind the controls they hold, whatever the template order.
    for (auto binding = bindings_.rbegin(); binding != bindings_.rend(); ++binding) {
        if (HoldsOtherControls((*binding)->Model().Kind())) {
            (*binding)->Widget().lower();
        }
    }
    for (const auto& binding : bindings_) {
        binding->SyncAll();
    }
}

void QtDialogWindow::NameControls() {
    const DialogTemplate& source = dialog_.Template();
    for (std::size_t index = 0; index < bindings_.size(); ++index) {
        if (!NamedByOwnText(source.controls[index].kind)) {
            bindings_[index]->Name(ToQString(AccessibleName(source, index, dialog_.GetWindowText())));
        }
    }
}

// A label's access key then moves the focus to its control, as in classic dialogs.
void QtDialogWindow::TieLabels() {
    const DialogTemplate& source = dialog_.Template();
    for (std::size_t index = 0; index < bindings_.size(); ++index) {
        const auto label = LabelIndex(source, index);
        auto* labelWidget = label ? qobject_cast<QLabel*>(&bindings_[*label]->Widget()) : nullptr;
        if (labelWidget != nullptr && bindings_[index]->Model().CanTakeFocus()) {
            labelWidget->setBuddy(bindings_[index]->FocusWidgets().front());
            bindings_[*label]->SyncAll();  // with a buddy it shows its key underlined
        }
    }
}

void QtDialogWindow::FollowTabStrip() {
    QWidget* previous = parentWindow_ != nullptr ? parentWindow_->TabStrip() : nullptr;
    if (previous == nullptr) {
        return;
    }
    // Each control's widget moves with the widgets inside it (an address's fields).
    for (const auto& binding : bindings_) {
        if (binding->Widget().focusPolicy() != Qt::NoFocus) {
            QWidget::setTabOrder(previous, &binding->Widget());
            previous = &binding->Widget();
        }
    }
}

QWidget* QtDialogWindow::TabStrip() const {
    for (const auto& binding : bindings_) {
        if (auto* tabs = qobject_cast<QTabWidget*>(&binding->Widget())) {
            return tabs->tabBar();
        }
    }
    return nullptr;
}

ControlBinding* QtDialogWindow::BindingOf(const Control& control) const {
    const auto found = byControl_.find(&control);
    return found == byControl_.end() ? nullptr : found->second;
}

QWidget* QtDialogWindow::WidgetOf(const Control& control) const {
    ControlBinding* binding = BindingOf(control);
    return binding == nullptr ? nullptr : &binding->Widget();
}

QWidget* QtDialogWindow::WidgetOf(int controlId) const {
    const Control* control = dialog_.FindControl(controlId);
    return control == nullptr ? nullptr : WidgetOf(*control);
}

std::vector<const QtDialogWindow*> QtDialogWindow::WindowTree() const {
    std::vector<const QtDialogWindow*> tree{this};
    for (const QtDialogWindow* page : pages_) {
        const auto below = page->WindowTree();
        tree.insert(tree.end(), below.begin(), below.end());
    }
    return tree;
}

void QtDialogWindow::SyncWindow() {
    SyncGuard mirroring(host_.Mirroring());
    setEnabled(dialog_.IsWindowEnabled());
    if (isPage_) {
        PlacePage();
        setVisible(dialog_.IsWindowVisible());
    } else {
        setWindowTitle(ToQString(dialog_.GetWindowText()));
    }
}

void QtDialogWindow::PlacePage() {
    if (parentWindow_ == nullptr) {
        return;
    }
    setGeometry(parentWindow_->Units().Rect(dialog_.Placement()));
    raise();
}

void QtDialogWindow::ShowModal() {
    SyncGuard mirroring(host_.Mirroring());
    shownModal_ = true;
    setWindowModality(Qt::ApplicationModal);
    setVisible(dialog_.IsWindowVisible());
    raise();
    activateWindow();
    ShowModelFocus();
}

void QtDialogWindow::HideModal() {
    SyncGuard mirroring(host_.Mirroring());
    shownModal_ = false;
    hide();
}

// Puts Qt's focus where the model has it, without taking that for a move of the user.
void QtDialogWindow::ShowModelFocus() {
    const Control* focus = dialog_.GetFocus();
    if (focus == nullptr) {
        return;
    }
    for (const QtDialogWindow* window : WindowTree()) {
        ControlBinding* binding = window->BindingOf(*focus);
        if (binding == nullptr) {
            continue;
        }
        const auto widgets = binding->FocusWidgets();
        const bool shown = std::any_of(widgets.begin(), widgets.end(), [](QWidget* each) { return each->hasFocus(); });
        if (!shown) {
            SyncGuard mirroring(host_.Mirroring());
            widgets.front()->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
}

void QtDialogWindow::OnControlChanged(const Control& control, ModelChange what, int index) {
    if (ControlBinding* binding = BindingOf(control)) {
        binding->Apply(what, index);
    }
}

void QtDialogWindow::OnDialogChanged(const Dialog& /*dialog*/, DialogChange what) {
    SyncGuard mirroring(host_.Mirroring());
    switch (what) {
    case DialogChange::Title:
        setWindowTitle(ToQString(dialog_.GetWindowText()));
        NameControls();
        break;
    case DialogChange::Visible:
        if (isPage_ || shownModal_) {
            setVisible(dialog_.IsWindowVisible());
        }
        break;
    case DialogChange::Enabled:
        setEnabled(dialog_.IsWindowEnabled());
        break;
    case DialogChange::Placement:
        if (isPage_) {
            PlacePage();
        } else {
            setFixedSize(units_.Size(dialog_.Placement().width, dialog_.Placement().height));
        }
        break;
    case DialogChange::Focus:
        ShowModelFocus();
        break;
    }
}

void QtDialogWindow::keyPressEvent(QKeyEvent* event) {
    if (isPage_) {
        event->ignore();
        return;
    }
    if (IsPageKey(*event)) {
        UserSwitchPage(dialog_, event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown);
        host_.AfterInput();
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        dialog_.UserCancel();
        host_.AfterInput();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else {
            dialog_.UserOk();
            host_.AfterInput();
        }
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

// The close box acts as Escape; the window itself goes only when its dialog ends.
void QtDialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!isPage_) {
        dialog_.UserCancel();
        host_.AfterInput();
    }
}

bool QtDialogWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        ShowModelFocus();
    }
    return QWidget::event(event);
}

bool QtDialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && !host_.Mirroring()) {
        const auto found = byFocusWidget_.find(watched);
        if (found != byFocusWidget_.end() && IsUserFocusMove(static_cast<QFocusEvent*>(event)->reason())) {
            found->second->Model().UserFocus();
            host_.AfterInput();
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace lanvane
