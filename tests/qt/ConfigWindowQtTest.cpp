#include "QtTestSupport.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTableWidget>

#include "editor/EditorContext.h"
#include "editor/InterfaceConfigDlg.h"
#include "link/ListedDeviceSource.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "sim/PrinterState.h"
#include "sim/SimulatedPrinter.h"
#include "sim/SimulatedPrinterPort.h"

namespace lanvane::test {
namespace {

constexpr char kDevice[] = "/dev/usb/lp0";

// The configuration window on real widgets, against the in-process simulated printer:
// what the user clicks and types goes through the widgets to the same window code the
// headless tests drive.
class ConfigWindowQtTest : public QtTest {
protected:
    sim::SimulatedPrinter printer{sim::DefaultPrinterState(2)};
    sim::SimulatedPrinterPort port{printer, kDevice};
    ListedDeviceSource devices{{UsbDeviceEntry{1, kDevice, "USB001", "002B", "1504"}}};
    EditorContext context{ui, EnglishStringTable(), port, devices, {}};
    CInterfaceConfigDlg window{context};

    QtDialogWindow& Shown() const { return *ui.WindowOf(window); }
    QtDialogWindow& PageWindow(int index) { return *ui.WindowOf(window.Tabs().PageAt(index)); }
};

TEST_F(ConfigWindowQtTest, ConnectShowsTheRecordOnEveryTabAndUpdateEndsInTheSummary) {
    std::vector<std::string> summaryRows;
    UiScript script(ui, 10000);
    script.WaitUntil([&] { return Shown().isActiveWindow(); })
        .Then([&] { ClickWidget(Shown().WidgetOf(ctl::kConnectButton)); })
        .WaitUntil([&] { return ui.ActiveMessageBox() != nullptr; })
        .Then([&] {
            EXPECT_EQ(ui.ActiveMessageBox()->text(), QStringLiteral("The printer has been connected successfully."));
            QTest::keyClick(ui.ActiveMessageBox(), Qt::Key_Return);
        })
        .WaitUntil([&] { return window.IsConnected() && ui.ActiveDialog() == &window; })
        .Then([&] {
            auto* tabs = dynamic_cast<QTabWidget*>(Shown().WidgetOf(ctl::kConfigTab));
            ASSERT_NE(tabs, nullptr);
            EXPECT_TRUE(tabs->isEnabled());
            EXPECT_EQ(tabs->count(), 6);
            auto* name = dynamic_cast<QLineEdit*>(PageWindow(0).WidgetOf(ctl::kPrinterName));
            ASSERT_NE(name, nullptr);
            EXPECT_EQ(name->text(), QStringLiteral("VT-Printer"));
            EXPECT_TRUE(name->isVisible());
            for (int index = 1; index < tabs->count(); ++index) {
                QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
                EXPECT_TRUE(PageWindow(index).isVisible()) << "page " << index;
                EXPECT_FALSE(PageWindow(index - 1).isVisible()) << "page " << index - 1;
            }
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(0).center());
            name->selectAll();
            TypeInto(name, QStringLiteral("Front desk"));
            ClickWidget(Shown().WidgetOf(ctl::kUpdateButton));
        })
        .WaitUntil([&] { return ui.ActiveMessageBox() != nullptr; })
        .Then([&] {
            EXPECT_EQ(ui.ActiveMessageBox()->text(),
                      QStringLiteral("The configuration has been completed.\nReset the printer."));
            QTest::keyClick(ui.ActiveMessageBox(), Qt::Key_Return);
        })
        .WaitUntil([&] { return ui.ActiveDialog() != &window && ui.ActiveDialog() != nullptr; })
        .Then([&] {
            Dialog& summary = *ui.ActiveDialog();
            EXPECT_EQ(summary.Template().id, dlg::kConfigSummary);
            auto* rows = dynamic_cast<QTableWidget*>(ui.WindowOf(summary)->WidgetOf(ctl::kSummaryList));
            ASSERT_NE(rows, nullptr);
            for (int row = 0; row < rows->rowCount(); ++row) {
                summaryRows.push_back(rows->item(row, 1)->text().toStdString() + "=" +
                                      rows->item(row, 2)->text().toStdString());
            }
            ClickWidget(ui.WindowOf(summary)->WidgetOf(kIdOk));
        })
        .WaitUntil([&] { return ui.ActiveDialog() == &window; })
        .Then([&] { ClickWidget(Shown().WidgetOf(kIdCancel)); });
    script.Start();
    EXPECT_EQ(window.DoModal(), kIdCancel);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(printer.State().record.printerName, "Front desk");
    EXPECT_THAT(summaryRows, ::testing::Contains("Printer Name=Front desk"));
    EXPECT_FALSE(port.IsOpen()) << "closing the window closes the port";
}

}  // namespace
}  // namespace lanvane::test
