#include "ui/qt/QtBackend.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QThread>
#include <algorithm>

#include "ui/Dialog.h"
#include "ui/DialogResult.h"
#include "ui/qt/AppIcon.h"
#include "ui/qt/FileDialogFilter.h"
#include "ui/qt/QtText.h"
#include "ui/SyncGuard.h"

namespace lanvane {

namespace {

QMessageBox::Icon IconOf(MessageBoxIcon icon) {
    switch (icon) {
    case MessageBoxIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageBoxIcon::Information:
        return QMessageBox::Information;
    case MessageBoxIcon::Error:
        return QMessageBox::Critical;
    case MessageBoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtBackend::QtBackend()
    : icon_(AppIcon()),
      timers_([this](Dialog& dialog, int timerId) {
          dialog.DispatchTimer(timerId);
          AfterInput();
      }),
      sockets_([this](Dialog& dialog, int token) {
          dialog.DispatchSocketReadable(token);
          AfterInput();
      }),
      urlOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    clock_.start();
}

QtBackend::~QtBackend() {
    for (auto& [dialog, window] : windows_) {
        delete window.data();
    }
    while (waitCursorDepth_ > 0) {
        EndWaitCursor();
    }
}

QtDialogWindow* QtBackend::WindowOf(const Dialog& dialog) const {
    const auto found = windows_.find(&dialog);
    return found == windows_.end() ? nullptr : found->second.data();
}

QtDialogWindow* QtBackend::NewestTopLevel() const {
    return topLevels_.empty() ? nullptr : WindowOf(*topLevels_.back());
}

QtDialogWindow* QtBackend::OwnerWindow(Dialog* owner) const {
    if (owner != nullptr) {
        if (QtDialogWindow* window = WindowOf(owner->TopLevel())) {
            return window;
        }
    }
    return NewestTopLevel();
}

void QtBackend::DialogOpened(Dialog& dialog) {
    QtDialogWindow* owner = dialog.IsChild() ? WindowOf(*dialog.Parent()) : NewestTopLevel();
    windows_[&dialog] = new QtDialogWindow(dialog, owner, icon_, *this);
    if (!dialog.IsChild()) {
        topLevels_.push_back(&dialog);
    }
}

void QtBackend::DialogClosed(Dialog& dialog) {
    timers_.Forget(dialog);
    sockets_.Forget(dialog);
    topLevels_.erase(std::remove(topLevels_.begin(), topLevels_.end(), &dialog), topLevels_.end());
    const auto found = windows_.find(&dialog);
    if (found != windows_.end()) {
        SyncGuard mirroring(mirroring_);
        delete found->second.data();
        windows_.erase(found);
    }
}

void QtBackend::RunModalLoop(Dialog& dialog) {
    QtDialogWindow* window = WindowOf(dialog);
    QEventLoop loop;
    frames_.Push(Frame{ModalKind::Dialog, &dialog, {&loop, {}, nullptr, nullptr}});
    if (window != nullptr) {
        window->ShowModal();
    }
    if (!dialog.IsEnded()) {
        loop.exec(QEventLoop::DialogExec);
    }
    frames_.Pop();
    if (window != nullptr && WindowOf(dialog) == window) {
        window->HideModal();
    }
    ActivateInnermost();
}

// The window below a closed one takes the keyboard back, also where no window manager
// hands it back (the X server alone gives the focus to nobody).
void QtBackend::ActivateInnermost() {
    for (auto frame = frames_.Frames().rbegin(); frame != frames_.Frames().rend(); ++frame) {
        if (frame->kind != ModalKind::Dialog) {
            continue;
        }
        if (QtDialogWindow* window = WindowOf(*frame->dialog); window != nullptr && window->isVisible()) {
            window->activateWindow();
        }
        return;
    }
}

// A handler may end any open dialog, not only the innermost; each loop returns once the
// loops inside it have.
void QtBackend::AfterInput() {
    for (const Frame& frame : frames_.Frames()) {
        if (frame.kind == ModalKind::Dialog && frame.dialog->IsEnded()) {
            frame.native.loop->exit(0);
        }
    }
}

void QtBackend::CloseInnermost() {
    if (QMessageBox* box = ActiveMessageBox()) {
        box->done(QMessageBox::Ok);
    } else if (QFileDialog* chooser = ActiveFileDialog()) {
        chooser->reject();
    } else if (Dialog* dialog = ActiveDialog()) {
        dialog->EndDialog(kIdCancel);
        AfterInput();
    }
}

void QtBackend::CancelInnermost() {
    Dialog* dialog = ActiveDialog();
    if (dialog == nullptr) {
        CloseInnermost();
        return;
    }
    CancelAsUser(*dialog);
    AfterInput();
}

QWidget* QtBackend::WidgetOf(const Control& control) const {
    for (const auto& [dialog, window] : windows_) {
        if (window != nullptr) {
            if (QWidget* widget = window->WidgetOf(control)) {
                return widget;
            }
        }
    }
    return nullptr;
}

bool QtBackend::AcceptsInput(const Dialog& topLevel) const {
    return ActiveDialog() == &topLevel;
}

const MessageBoxRequest* QtBackend::PendingMessageBox() const {
    const Frame* frame = frames_.Innermost();
    return frame != nullptr ? frame->native.messageBox : nullptr;
}

const FileDialogRequest* QtBackend::PendingFileDialog() const {
    const Frame* frame = frames_.Innermost();
    return frame != nullptr ? frame->native.fileDialog : nullptr;
}

QMessageBox* QtBackend::ActiveMessageBox() const {
    const Frame* frame = frames_.InnermostOf(ModalKind::MessageBox);
    return frame != nullptr ? static_cast<QMessageBox*>(frame->native.window.data()) : nullptr;
}

QFileDialog* QtBackend::ActiveFileDialog() const {
    const Frame* frame = frames_.InnermostOf(ModalKind::FileDialog);
    return frame != nullptr ? static_cast<QFileDialog*>(frame->native.window.data()) : nullptr;
}

int QtBackend::ShowMessageBox(Dialog* owner, const MessageBoxRequest& request) {
    messageBoxes_.push_back(request);
    QMessageBox box(IconOf(request.icon), ToQString(request.caption), ToQString(request.text), QMessageBox::Ok,
                    OwnerWindow(owner));
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowIcon(icon_);
    frames_.Push(Frame{ModalKind::MessageBox, owner, {nullptr, &box, &request, nullptr}});
    box.exec();
    frames_.Pop();
    ActivateInnermost();
    AfterInput();
    return kIdOk;
}

std::vector<std::string> QtBackend::ShowOpenFileDialog(Dialog* owner, const FileDialogRequest& request) {
    QFileDialog chooser(OwnerWindow(owner), ToQString(request.title));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    chooser.setNameFilters(NameFilters(request.filter));
    chooser.setWindowModality(Qt::ApplicationModal);
    frames_.Push(Frame{ModalKind::FileDialog, owner, {nullptr, &chooser, nullptr, &request}});
    const int result = chooser.exec();
    frames_.Pop();
    ActivateInnermost();
    AfterInput();
    std::vector<std::string> paths;
    if (result == QDialog::Accepted) {
        for (const QString& path : chooser.selectedFiles()) {
            paths.push_back(ToStdString(path));
        }
    }
    return paths;
}

void QtBackend::OpenUrl(const std::string& url) {
    openedUrls_.push_back(url);
    urlOpener_(QUrl(ToQString(url)));
}

void QtBackend::SetTimer(Dialog& dialog, int timerId, int periodMs) {
    timers_.Set(dialog, timerId, periodMs);
}

void QtBackend::KillTimer(Dialog& dialog, int timerId) {
    timers_.Kill(dialog, timerId);
}

void QtBackend::BeginWaitCursor() {
    if (waitCursorDepth_++ == 0) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

void QtBackend::EndWaitCursor() {
    if (waitCursorDepth_ > 0 && --waitCursorDepth_ == 0) {
        QGuiApplication::restoreOverrideCursor();
    }
}

// Repaints while an exchange blocks: paint and other posted events only; the user's input
// and socket events wait, and timer ticks are held back until the exchange is over.
void QtBackend::PumpPaint() {
    ++paintPumps_;
    if (pumping_) {
        return;
    }
    SyncGuard guard(pumping_);
    timers_.HoldTicks(true);
    sockets_.Hold(true);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
    sockets_.Hold(false);
    timers_.HoldTicks(false);
}

std::int64_t QtBackend::NowMs() const {
    return clock_.elapsed();
}

void QtBackend::Sleep(int ms) {
    QThread::msleep(static_cast<unsigned long>(std::max(ms, 0)));
}

}  // namespace lanvane
