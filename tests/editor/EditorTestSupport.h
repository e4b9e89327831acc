#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "editor/EditorContext.h"
#include "editor/InterfaceConfigDlg.h"
#include "link/ListedDeviceSource.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "sim/PrinterState.h"
#include "sim/SimulatedPrinter.h"
#include "sim/SimulatedPrinterPort.h"
#include "ui/headless/HeadlessBackend.h"
#include "tools/driver/ScriptedDriver.h"

namespace lanvane::test {

inline constexpr char kPrinterDevice[] = "/dev/usb/lp0";

// Plays the script; answers every message box with OK and every file dialog with the
// next queued answer (cancel when none is queued).
class EditorDriver : public ScriptedDriver {
public:
    // The paths the next file dialog returns.
    EditorDriver& AnswerFiles(std::vector<std::string> paths) {
        fileAnswers_.push_back(std::move(paths));
        return *this;
    }
    // Runs whenever a message box has just opened, before it is answered.
    void WhenMessageShown(std::function<void()> check) { whenMessageShown_ = std::move(check); }

    Step NextStep(const HeadlessBackend& ui) override;

private:
    std::deque<std::vector<std::string>> fileAnswers_;
    std::function<void()> whenMessageShown_;
};

// A simulated printer behind the port as USB001, a headless backend and the context the
// configuration window takes; the window's whole life runs in Run().
class EditorTest : public ::testing::Test {
protected:
    explicit EditorTest(int layout = 1);

    // Opens the window, plays the script, and returns when it has closed.
    void Run();
    // The texts of every message box shown so far.
    std::vector<std::string> Messages() const;
    std::string LastMessage() const;
    void ClearMessages() { messagesSeen_ = ui.MessageBoxes().size(); }
    // Changes what the printer holds before the window reads it.
    void EditRecord(const std::function<void(sim::PrinterRecord&)>& edit);
    void SetFaults(sim::FaultPlan faults) { printer.SetFaults(faults); }
    bool PrinterReceived(sim::RequestKind kind) const;

    // Script shorthands.
    void Connect();
    void SelectTab(int index);
    void Click(int controlId, int pageId = 0);
    void Type(int controlId, const std::string& text, int pageId = 0);
    void Erase(int controlId, int pageId = 0);
    void Check(std::function<void()> check) {
        driver.Inspect([check = std::move(check)](const HeadlessBackend&) { check(); });
    }

    // The window's models, for checks inside the script.
    CInterfaceConfigDlg& Window() { return *window; }
    Dialog& Page(int index) { return window->Tabs().PageAt(index); }
    template <class T>
    T& On(int pageIndex, int controlId) {
        return Page(pageIndex).Item<T>(controlId);
    }
    int FocusId() const;

    void TearDown() override;

    sim::SimulatedPrinter printer;
    sim::SimulatedPrinterPort port{printer, kPrinterDevice};
    ListedDeviceSource devices;
    EditorDriver driver;
    HeadlessBackend ui{driver};
    EditorContext context{ui, EnglishStringTable(), port, devices, {}};
    CInterfaceConfigDlg* window = nullptr;
    bool expectRejections = false;

private:
    std::size_t messagesSeen_ = 0;
};

// The same tests for both record layouts.
class EditorLayoutTest : public EditorTest, public ::testing::WithParamInterface<int> {
protected:
    EditorLayoutTest() : EditorTest(GetParam()) {}
};

// Page indexes of the tab control.
enum PageIndex : int { kSystem = 0, kProtocol = 1, kBss = 2, kNetwork = 3, kAuth = 4, kCert = 5 };

UsbDeviceEntry UsbDevice(std::string displayName, std::string devicePath, std::string productId = "002B");

}  // namespace lanvane::test
