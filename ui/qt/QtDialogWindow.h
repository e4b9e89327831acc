#pragma once

#include <QIcon>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "ui/Dialog.h"
#include "ui/DialogObserver.h"
#include "ui/qt/ControlBinding.h"
#include "ui/qt/DialogUnits.h"
#include "ui/qt/WindowHost.h"

namespace lanvane {

// The window of one dialog, built from its template: one bound widget per control, laid out
// in the dialog units of the template's font. A top-level dialog is a window of its own
// (Escape, Enter and the close box go to the model); a page is a child widget laid over its
// parent's window at the page's placement. It observes the dialog's models while it lives.
class QtDialogWindow final : public QWidget, private DialogObserver {
public:
    // owner: the window a top-level dialog stands over (or none); for a page, its parent's window.
    QtDialogWindow(Dialog& dialog, QtDialogWindow* owner, const QIcon& icon, WindowHost& host);
    ~QtDialogWindow() override;
    QtDialogWindow(const QtDialogWindow&) = delete;
    QtDialogWindow& operator=(const QtDialogWindow&) = delete;

    Dialog& Model() const { return dialog_; }
    const DialogUnits& Units() const { return units_; }
    // The widget bound to a control of this dialog (not of its pages), or nullptr.
    QWidget* WidgetOf(int controlId) const;
    QWidget* WidgetOf(const Control& control) const;
    // Shows a top-level window as the innermost modal window.
    void ShowModal();
    // Hides it when its modal loop has returned.
    void HideModal();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnControlChanged(const Control& control, ModelChange what, int index) override;
    void OnDialogChanged(const Dialog& dialog, DialogChange what) override;
    void BuildControls(const QIcon& icon);
    // Accessible names from the template and the title; labels lead to their controls.
    void NameControls();
    void TieLabels();
    // A page's controls come right after its parent's tab strip in the tab order.
    void FollowTabStrip();
    QWidget* TabStrip() const;
    void SyncWindow();
    void PlacePage();
    void ShowModelFocus();
    ControlBinding* BindingOf(const Control& control) const;
    // This window, the windows of its pages and theirs.
    std::vector<const QtDialogWindow*> WindowTree() const;

    Dialog& dialog_;
    const bool isPage_;
    QtDialogWindow* parentWindow_;  // a page's parent window while it lives
    std::vector<QtDialogWindow*> pages_;
    WindowHost& host_;
    DialogUnits units_;
    std::vector<std::unique_ptr<ControlBinding>> bindings_;
    std::map<const Control*, ControlBinding*> byControl_;
    std::map<const QObject*, ControlBinding*> byFocusWidget_;
    bool shownModal_ = false;
};

}  // namespace lanvane
