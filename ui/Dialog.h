#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resources/DialogTemplate.h"
#include "ui/Control.h"
#include "ui/ControlHost.h"
#include "ui/DialogObserver.h"
#include "ui/DialogResult.h"
#include "ui/MessageBoxRequest.h"
#include "ui/UiBackend.h"

namespace lanvane {

// A dialog built from a template, written against in classic style: override the On*
// handlers, address controls by id. A top-level dialog runs modally (DoModal until
// EndDialog); a child dialog (template.child, given a parent) is a page laid over its
// parent: Create() makes it, it shares the parent's modal loop and starts hidden.
class Dialog : private ControlHost {
public:
    Dialog(UiBackend& ui, const DialogTemplate& source, Dialog* parent = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Shows the dialog and runs its modal loop; returns the EndDialog result.
    int DoModal();
    // Ends the modal loop with result once the running handler returns; pages cannot end.
    void EndDialog(int result);
    bool IsEnded() const { return ended_; }
    // Makes a child page (runs its OnInitDialog). False for a top-level dialog or twice.
    bool Create();
    bool IsCreated() const { return created_; }
    bool IsChild() const { return source_.child && parent_ != nullptr; }

    Dialog* Parent() const { return parent_; }
    Dialog& TopLevel();
    const Dialog& TopLevel() const;
    const std::vector<Dialog*>& Children() const { return children_; }
    const DialogTemplate& Template() const { return source_; }
    UiBackend& Ui() const { return ui_; }
    void SetObserver(DialogObserver* observer) { observer_ = observer; }

    const std::string& GetWindowText() const { return title_; }
    void SetWindowText(std::string_view title);
    bool IsWindowVisible() const { return visible_; }
    void ShowWindow(bool show);
    bool IsWindowEnabled() const { return enabled_; }
    void EnableWindow(bool enable);
    DialogRect Placement() const { return placement_; }
    void MoveWindow(const DialogRect& placement);

    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    Control* FindControl(int id) const;
    Control& GetDlgItem(int id) const;
    template <class T>
    T* Find(int id) const {
        return dynamic_cast<T*>(FindControl(id));
    }
    // Stops the program with a message when the control is missing or of another kind.
    template <class T>
    T& Item(int id) const {
        if (T* control = Find<T>(id)) {
            return *control;
        }
        MissingControl(id);
    }

    void SetDlgItemText(int id, std::string_view text);
    std::string GetDlgItemText(int id) const;
    void SetDlgItemInt(int id, int value);
    // The field's whole text as a decimal integer (optional '-'); nothing otherwise.
    std::optional<int> GetDlgItemInt(int id) const;
    void EnableDlgItem(int id, bool enable);
    void ShowDlgItem(int id, bool show);
    void CheckDlgButton(int id, bool checked);
    bool IsDlgButtonChecked(int id) const;
    // Marks checkId and clears every other radio button whose id lies in first..last.
    void CheckRadioButton(int firstId, int lastId, int checkId);

    // One control has the focus in a top-level dialog and its pages. The program may put
    // it anywhere, also on a disabled control; it never moves by itself.
    void SetFocus(int id);
    Control* GetFocus() const;

    void SetTimer(int timerId, int periodMs);
    void KillTimer(int timerId);
    void WatchSocket(SocketHandle socket, int token);
    void UnwatchSocket(int token);
    int MessageBox(std::string_view text, std::string_view caption,
                   MessageBoxIcon icon = MessageBoxIcon::None);

    // Entry points for backends.
    void DispatchTimer(int timerId);
    void DispatchSocketReadable(int token);
    // Enter: clicks the default button, or runs OnOk when there is none.
    bool UserOk();
    // Escape or the close box: runs OnCancel.
    bool UserCancel();
    // Whether the user can reach this dialog now.
    bool AcceptsInput() const;

protected:
    // Return true to let the layer focus the first tab stop.
    virtual bool OnInitDialog() { return true; }
    // Every command notification except Clicked of kIdOk and kIdCancel, which go to OnOk
    // and OnCancel.
    virtual void OnCommand(int /*controlId*/, Notification /*code*/) {}
    // Return true to refuse what the notification announces (TabSelChanging).
    virtual bool OnNotify(int /*controlId*/, const NotifyMessage& /*message*/) { return false; }
    virtual void OnTimer(int /*timerId*/) {}
    virtual void OnSocketReadable(int /*token*/) {}
    // A top-level dialog ends with kIdOk / kIdCancel; a page does nothing.
    virtual void OnOk();
    virtual void OnCancel();
    // The window goes away (end of DoModal, or the parent's end for a page).
    virtual void OnDestroy() {}

private:
    bool AcceptsUserInput(const Control& control) const override;
    void UserFocus(Control& control) override;
    bool HasFocus(const Control& control) const override;
    void RaiseCommand(Control& control, Notification code) override;
    bool RaiseNotify(Control& control, const NotifyMessage& message) override;
    void UncheckRadioSiblings(RadioButton& checked) override;
    void ModelChanged(const Control& control, ModelChange what, int index) override;

    [[noreturn]] void MissingControl(int id) const;
    void MoveFocus(Control* next);
    void FocusFirstTabStop();
    bool Owns(const Control* control) const;
    void DialogChanged(DialogChange what);
    void Destroy();
    void Detach();

    UiBackend& ui_;
    DialogTemplate source_;
    Dialog* parent_;
    std::vector<Dialog*> children_;
    std::vector<std::unique_ptr<Control>> controls_;
    DialogObserver* observer_ = nullptr;
    std::string title_;
    DialogRect placement_;
    Control* focus_ = nullptr;  // used on the top-level dialog only
    int result_ = kIdCancel;
    bool created_ = false;
    bool ended_ = false;
    bool visible_ = false;
    bool enabled_ = true;
};

}  // namespace lanvane
