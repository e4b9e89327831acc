#pragma once

#include <vector>

#include "ui/Dialog.h"

namespace lanvane {

enum class ModalKind { Dialog, MessageBox, FileDialog };

// The modal windows open now, innermost last: dialogs running their loops, and the message
// boxes and file dialogs over them. Each backend keeps what it needs of a window beside it
// (Native: its loop, its system window, its record).
template <class Native>
class ModalStack {
public:
    struct Frame {
        ModalKind kind;
        Dialog* dialog;  // the dialog itself, or the owner of a message box or file dialog
        Native native{};
    };

    void Push(Frame frame) { frames_.push_back(std::move(frame)); }
    void Pop() { frames_.pop_back(); }
    int Depth() const { return static_cast<int>(frames_.size()); }
    bool Empty() const { return frames_.empty(); }
    const std::vector<Frame>& Frames() const { return frames_; }
    // The innermost window; nullptr when none is open.
    const Frame* Innermost() const { return frames_.empty() ? nullptr : &frames_.back(); }
    // The innermost window when it is of that kind.
    const Frame* InnermostOf(ModalKind kind) const {
        return !frames_.empty() && frames_.back().kind == kind ? &frames_.back() : nullptr;
    }
    // The innermost window when it is a dialog.
    Dialog* ActiveDialog() const {
        const Frame* frame = InnermostOf(ModalKind::Dialog);
        return frame != nullptr ? frame->dialog : nullptr;
    }
    // The top-level dialog the user sees on top: the innermost modal dialog, or the owner of
    // the message box or file dialog open over it. nullptr when nothing is open.
    Dialog* InnermostWindow() const {
        for (auto frame = frames_.rbegin(); frame != frames_.rend(); ++frame) {
            if (frame->dialog != nullptr) {
                return &frame->dialog->TopLevel();
            }
        }
        return nullptr;
    }

private:
    std::vector<Frame> frames_;
};

// Cancels a dialog as the user would: Escape to its handler, then ended with kIdCancel when
// the handler keeps it open.
inline void CancelAsUser(Dialog& dialog) {
    dialog.UserCancel();
    if (!dialog.IsEnded()) {
        dialog.EndDialog(kIdCancel);
    }
}

}  // namespace lanvane
