#include "QtTestSupport.h"

#include <QMessageBox>
#include <QPushButton>

#include "tests/support/posix/SocketPair.h"

namespace lanvane::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

using ModalLoopTest = QtTest;

void AnswerMessageBox(QtBackend& ui) {
    QMessageBox* box = ui.ActiveMessageBox();
    ASSERT_NE(box, nullptr);
    ClickWidget(box->button(QMessageBox::Ok));
}

TEST_F(ModalLoopTest, ASocketWithDataReachesItsDialogAndIsNotReenteredBeforeItIsRead) {
    SocketPair pair;
    RecordingDialog dialog(ui, kSmall);
    dialog.onInit = [&](RecordingDialog& self) {
        self.WatchSocket(pair.Reader(), 9);
        pair.Send();
    };
    dialog.onSocket = [&](RecordingDialog& self, int) {
        self.MessageBox("Data", "Lanvane");
        EXPECT_EQ(pair.Receive(), "x");
        if (self.Entries("socket").size() == 2) {
            self.UnwatchSocket(9);
            self.EndDialog(kIdOk);
        } else {
            pair.Send();
        }
    };
    UiScript script(ui);
    script.WaitUntil([&] { return ui.ActiveMessageBox() != nullptr; })
        .Pause(20)  // the unread data must not call the handler again meanwhile
        .Then([&] { AnswerMessageBox(ui); })
        .WaitUntil([&] { return ui.ActiveMessageBox() != nullptr; })
        .Then([&] { AnswerMessageBox(ui); });
    script.Start();
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    EXPECT_THAT(dialog.Entries("socket"), ElementsAre("socket 9", "socket 9"));
}

TEST_F(ModalLoopTest, PaintingDuringAnExchangeHoldsTicksAndSocketsUntilItIsOver) {
    SocketPair pair;
    RecordingDialog dialog(ui, kForm);
    std::vector<std::string> seenDuringExchange;
    dialog.onCommand = [&](RecordingDialog& self, int id, Notification) {
        if (id != kApply) {
            return;
        }
        self.SetTimer(3, 1);
        self.WatchSocket(pair.Reader(), 4);
        pair.Send();
        for (int pump = 0; pump < 5; ++pump) {
            ui.Sleep(3);
            ui.PumpPaint();
        }
        seenDuringExchange = self.Entries("timer");
        const auto sockets = self.Entries("socket");
        seenDuringExchange.insert(seenDuringExchange.end(), sockets.begin(), sockets.end());
    };
    dialog.onTimer = [&](RecordingDialog& self, int) { self.KillTimer(3); };
    dialog.onSocket = [&](RecordingDialog& self, int) {
        EXPECT_EQ(pair.Receive(), "x");
        self.UnwatchSocket(4);
    };
    UiScript script(ui);
    script.Then([&] { ClickWidget(ui.WindowOf(dialog)->WidgetOf(kApply)); })
        .WaitUntil([&] { return dialog.Entries("timer").size() == 1 && dialog.Entries("socket").size() == 1; })
        .Then([&] { ui.CloseInnermost(); });
    script.Start();
    dialog.DoModal();
    EXPECT_TRUE(script.Finished());
    EXPECT_THAT(seenDuringExchange, IsEmpty());
    EXPECT_EQ(ui.PaintPumps(), 5);
    EXPECT_THAT(dialog.Entries("timer"), SizeIs(1)) << "the ticks missed meanwhile come as one";
}

}  // namespace
}  // namespace lanvane::test
