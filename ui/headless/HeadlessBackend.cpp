#include "ui/headless/HeadlessBackend.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ui/Dialog.h"
#include "ui/ControlSteps.h"
#include "ui/PageSwitch.h"

namespace lanvane {

HeadlessBackend::HeadlessBackend(HeadlessDriver& driver, HeadlessLimits limits)
    : driver_(driver), limits_(limits), thread_(std::this_thread::get_id()) {}

void HeadlessBackend::CheckThread() const {
    if (std::this_thread::get_id() != thread_) {
        std::fprintf(stderr, "a headless backend runs only on the thread that made it\n");
        std::abort();
    }
}

// The models are the window: nothing to build.
void HeadlessBackend::DialogOpened(Dialog& /*dialog*/) {}

void HeadlessBackend::DialogClosed(Dialog& dialog) {
    timers_.Forget(dialog);
    sockets_.Forget(dialog);
}

template <class Done>
void HeadlessBackend::RunFrame(Frame frame, Done done) {
    CheckThread();
    frames_.Push(frame);
    while (!done()) {
        RunOnce();
    }
    frames_.Pop();
    if (frames_.Empty()) {
        closingDown_ = false;
        stepsThisRun_ = 0;
        advanceTarget_ = clock_.Now();
    }
}

void HeadlessBackend::RunModalLoop(Dialog& dialog) {
    RunFrame(Frame{ModalKind::Dialog, &dialog, 0}, [&dialog] { return dialog.IsEnded(); });
}

bool HeadlessBackend::AcceptsInput(const Dialog& topLevel) const {
    return ActiveDialog() == &topLevel;
}

int HeadlessBackend::ShowMessageBox(Dialog* owner, const MessageBoxRequest& request) {
    messageBoxes_.push_back(MessageBoxRecord{request, false, 0});
    const std::size_t index = messageBoxes_.size() - 1;
    RunFrame(Frame{ModalKind::MessageBox, owner, index}, [this, index] { return messageBoxes_[index].answered; });
    return messageBoxes_[index].answer;
}

std::vector<std::string> HeadlessBackend::ShowOpenFileDialog(Dialog* owner, const FileDialogRequest& request) {
    fileDialogs_.push_back(FileDialogRecord{request, false, {}});
    const std::size_t index = fileDialogs_.size() - 1;
    RunFrame(Frame{ModalKind::FileDialog, owner, index}, [this, index] { return fileDialogs_[index].answered; });
    return fileDialogs_[index].paths;
}

void HeadlessBackend::OpenUrl(const std::string& url) {
    openedUrls_.push_back(url);
}

void HeadlessBackend::SetTimer(Dialog& dialog, int timerId, int periodMs) {
    timers_.Set(dialog, timerId, periodMs, clock_.Now());
}

void HeadlessBackend::KillTimer(Dialog& dialog, int timerId) {
    timers_.Kill(dialog, timerId);
}

void HeadlessBackend::BeginWaitCursor() {
    ++waitCursorDepth_;
    ++waitCursorShown_;
}

void HeadlessBackend::EndWaitCursor() {
    waitCursorDepth_ = std::max(0, waitCursorDepth_ - 1);
}

void HeadlessBackend::PumpPaint() {
    ++paintPumps_;
}

void HeadlessBackend::Sleep(int ms) {
    clock_.Advance(std::max(ms, 0));
}

const MessageBoxRecord* HeadlessBackend::PendingMessageBox() const {
    const Frame* frame = frames_.InnermostOf(ModalKind::MessageBox);
    return frame != nullptr ? &messageBoxes_[frame->native] : nullptr;
}

const FileDialogRecord* HeadlessBackend::PendingFileDialog() const {
    const Frame* frame = frames_.InnermostOf(ModalKind::FileDialog);
    return frame != nullptr ? &fileDialogs_[frame->native] : nullptr;
}

void HeadlessBackend::RunOnce() {
    if (!DispatchDueEvent()) {
        TakeStep();
    }
}

// Timers due now, then a readable socket, then the next stretch of time being advanced.
bool HeadlessBackend::DispatchDueEvent() {
    if (const auto timer = timers_.TakeDue(clock_.Now())) {
        timer->dialog->DispatchTimer(timer->id);
        return true;
    }
    if (socketBurst_ < limits_.socketBurst && DispatchSocket(0)) {
        ++socketBurst_;
        return true;
    }
    if (advanceTarget_ > clock_.Now()) {
        const auto due = timers_.NextDue();
        clock_.AdvanceTo(due && *due < advanceTarget_ ? *due : advanceTarget_);
        return true;
    }
    return false;
}

bool HeadlessBackend::DispatchSocket(int timeoutMs) {
    const auto readable = sockets_.PollReadable(timeoutMs);
    if (!readable) {
        return false;
    }
    readable->dialog->DispatchSocketReadable(readable->token);
    return true;
}

void HeadlessBackend::TakeStep() {
    socketBurst_ = 0;
    const Step step = NextStep();
    if (step.kind == StepKind::End) {
        closingDown_ = true;
        advanceTarget_ = clock_.Now();
        CancelInnermost();
        return;
    }
    const std::string refusal = Apply(step);
    if (!refusal.empty()) {
        driver_.OnStepRejected(step, refusal);
    }
}

Step HeadlessBackend::NextStep() {
    if (closingDown_) {
        return Step::End();
    }
    if (stepsThisRun_ >= limits_.steps) {
        driver_.OnStepRejected(Step::End(), "step limit reached, every window is cancelled");
        return Step::End();
    }
    ++stepsThisRun_;
    ++stepsTaken_;
    return driver_.NextStep(*this);
}

std::string HeadlessBackend::Apply(const Step& step) {
    switch (step.kind) {
    case StepKind::Advance:
        if (step.number < 0) {
            return "time does not run backwards";
        }
        advanceTarget_ = clock_.Now() + step.number;
        return {};
    case StepKind::Wait:
        DispatchSocket(std::clamp(step.number, 0, limits_.longestWaitMs));
        return {};
    case StepKind::AnswerMessageBox:
    case StepKind::AnswerFileDialog:
        return Answer(step);
    default:
        break;
    }
    Dialog* dialog = ActiveDialog();
    if (dialog == nullptr) {
        return "a message box or file dialog is open";
    }
    if (step.kind == StepKind::PressOk) {
        return dialog->UserOk() ? std::string() : "the dialog takes no input";
    }
    if (step.kind == StepKind::PressCancel) {
        return dialog->UserCancel() ? std::string() : "the dialog takes no input";
    }
    if (step.kind == StepKind::SwitchPage) {
        return UserSwitchPage(*dialog, step.number > 0) ? std::string() : "no page to switch to";
    }
    return ApplyControlStep(*dialog, step);
}

std::string HeadlessBackend::Answer(const Step& step) {
    if (step.kind == StepKind::AnswerMessageBox && PendingMessageBox() != nullptr) {
        MessageBoxRecord& record = messageBoxes_[frames_.Innermost()->native];
        record.answered = true;
        record.answer = step.number;
        return {};
    }
    if (step.kind == StepKind::AnswerFileDialog && PendingFileDialog() != nullptr) {
        FileDialogRecord& record = fileDialogs_[frames_.Innermost()->native];
        record.answered = true;
        record.paths = step.paths;
        if (!record.request.multiSelect && record.paths.size() > 1) {
            record.paths.resize(1);
        }
        return {};
    }
    return "no such window is open";
}

// Closing down: message boxes are confirmed, file dialogs cancelled, dialogs cancelled
// as by Escape and ended regardless when their handler keeps them open.
void HeadlessBackend::CancelInnermost() {
    if (PendingMessageBox() != nullptr) {
        Answer(Step::AnswerMessageBox(kIdOk));
    } else if (PendingFileDialog() != nullptr) {
        Answer(Step::AnswerFileDialog({}));
    } else if (Dialog* dialog = ActiveDialog()) {
        CancelAsUser(*dialog);
    }
}

}  // namespace lanvane
