#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "ui/ModalStack.h"
#include "ui/UiBackend.h"
#include "ui/headless/HeadlessDriver.h"
#include "ui/headless/ModalRecords.h"
#include "ui/headless/SocketWatch.h"
#include "ui/headless/TimerQueue.h"
#include "ui/headless/VirtualClock.h"

namespace lanvane {

struct HeadlessLimits {
    int steps = 10000;          // driver steps per outermost loop before everything is cancelled
    int socketBurst = 1000;     // socket events in a row before the driver gets a turn
    int longestWaitMs = 5000;   // real time a Wait step may take at most
};

// The dialog layer without windows: the models are the screen. Timers run on a virtual
// clock, sockets are polled for real, and user input and answers come from a driver.
// Use it on the thread that made it.
class HeadlessBackend final : public UiBackend {
public:
    explicit HeadlessBackend(HeadlessDriver& driver, HeadlessLimits limits = {});

    void DialogOpened(Dialog& dialog) override;
    void DialogClosed(Dialog& dialog) override;
    void RunModalLoop(Dialog& dialog) override;
    bool AcceptsInput(const Dialog& topLevel) const override;
    int ShowMessageBox(Dialog* owner, const MessageBoxRequest& request) override;
    std::vector<std::string> ShowOpenFileDialog(Dialog* owner, const FileDialogRequest& request) override;
    void OpenUrl(const std::string& url) override;
    void SetTimer(Dialog& dialog, int timerId, int periodMs) override;
    void KillTimer(Dialog& dialog, int timerId) override;
    SocketWatchList& Sockets() override { return sockets_; }
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void PumpPaint() override;
    std::int64_t NowMs() const override { return clock_.Now(); }
    void Sleep(int ms) override;

    // What a driver or test reads.
    Dialog* ActiveDialog() const { return frames_.ActiveDialog(); }
    Dialog* InnermostWindow() const { return frames_.InnermostWindow(); }
    int ModalDepth() const { return frames_.Depth(); }
    const MessageBoxRecord* PendingMessageBox() const;
    const FileDialogRecord* PendingFileDialog() const;
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
    const std::vector<std::string>& OpenedUrls() const { return openedUrls_; }
    int WaitCursorDepth() const { return waitCursorDepth_; }
    int WaitCursorShown() const { return waitCursorShown_; }
    int PaintPumps() const { return paintPumps_; }
    int StepsTaken() const { return stepsTaken_; }
    bool IsClosingDown() const { return closingDown_; }

private:
    // A frame's index into the message box or file dialog records.
    using Frame = ModalStack<std::size_t>::Frame;

    template <class Done>
    void RunFrame(Frame frame, Done done);
    void RunOnce();
    bool DispatchDueEvent();
    bool DispatchSocket(int timeoutMs);
    void TakeStep();
    Step NextStep();
    std::string Apply(const Step& step);
    std::string Answer(const Step& step);
    void CancelInnermost();
    void CheckThread() const;

    HeadlessDriver& driver_;
    HeadlessLimits limits_;
    std::thread::id thread_;
    VirtualClock clock_;
    TimerQueue timers_;
    SocketWatch sockets_;
    ModalStack<std::size_t> frames_;
    std::vector<MessageBoxRecord> messageBoxes_;
    std::vector<FileDialogRecord> fileDialogs_;
    std::vector<std::string> openedUrls_;
    std::int64_t advanceTarget_ = 0;
    int socketBurst_ = 0;
    int stepsTaken_ = 0;
    int stepsThisRun_ = 0;
    int waitCursorDepth_ = 0;
    int waitCursorShown_ = 0;
    int paintPumps_ = 0;
    bool closingDown_ = false;
};

}  // namespace lanvane
