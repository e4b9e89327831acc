#include "QtTestSupport.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <map>

#include "resources/AccessKey.h"
#include "resources/DialogTemplates.h"
#include "resources/ListColumns.h"
#include "resources/ResourceIds.h"
#include "resources/ResourceSet.h"
#include "resources/TabDisplayArea.h"
#include "tests/resources/LanguageTableFiles.h"
#include "ui/ListView.h"
#include "ui/TabControl.h"

// Every window in English and in every language: each text fits its control at the real
// metrics of the template font, every tab label shows without scroll arrows, and the lists
// show every column, headers and widest expected cells, without scrolling sideways.
namespace lanvane::test {
namespace {

using ::testing::IsEmpty;

const ResourceSet& ResourcesOf(const std::string& language) {
    static std::map<std::string, ResourceSet> loaded;
    if (!loaded.contains(language)) {
        loaded.emplace(language,
                       language == "English" ? ResourceSet() : ResourceSet(ReadLanguageTable(ReadTable(language))));
    }
    return loaded.at(language);
}

// The widest of a text's lines or words.
int Widest(const QFontMetrics& metrics, const QStringList& parts) {
    int widest = 0;
    for (const QString& part : parts) {
        widest = std::max(widest, metrics.horizontalAdvance(part));
    }
    return widest;
}

// The width a tab control or list needs to show every tab or column, 0 for other widgets.
int NeededWidth(QWidget* widget) {
    if (auto* tabs = dynamic_cast<QTabWidget*>(widget)) {
        return tabs->tabBar()->sizeHint().width();
    }
    if (auto* list = dynamic_cast<QTableWidget*>(widget)) {
        int total = list->width() - list->viewport()->width();
        for (int column = 0; column < list->columnCount(); ++column) {
            total += list->columnWidth(column);
        }
        return total;
    }
    return 0;
}

// A text as the widget draws it, its access key mark taken out.
QString Shown(const QString& text) {
    return QString::fromStdString(ShownText(text.toStdString()));
}

bool Fits(QWidget* widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* button = dynamic_cast<QPushButton*>(widget)) {
        const int margin = widget->style()->pixelMetric(QStyle::PM_ButtonMargin);
        const auto lines = static_cast<int>(button->text().count(QLatin1Char('\n')) + 1);
        return Widest(metrics, Shown(button->text()).split(QLatin1Char('\n'))) + 2 * margin <= widget->width() &&
               lines * metrics.lineSpacing() <= widget->height();
    }
    if (auto* choice = dynamic_cast<QAbstractButton*>(widget)) {
        return choice->sizeHint().width() <= widget->width();
    }
    if (auto* label = dynamic_cast<QLabel*>(widget); label != nullptr && !label->text().isEmpty()) {
        const auto words = Shown(label->text()).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        return Widest(metrics, words) <= widget->width() &&
               label->heightForWidth(widget->width()) <= widget->height();
    }
    if (auto* group = dynamic_cast<QGroupBox*>(widget)) {
        return metrics.horizontalAdvance(Shown(group->title())) + 4 * metrics.averageCharWidth() <= widget->width();
    }
    return NeededWidth(widget) <= widget->width();
}

// The controls of a window whose text, tab labels or columns the widget cannot show whole.
std::vector<std::string> ClippedTexts(const QtDialogWindow& window) {
    std::vector<std::string> clipped;
    for (const auto& control : window.Model().Controls()) {
        if (!Fits(window.WidgetOf(*control))) {
            QWidget* widget = window.WidgetOf(*control);
            clipped.push_back("control " + std::to_string(control->Id()) + " \"" + control->Text() + "\" " +
                              std::to_string(widget->width()) + " px, needs " + std::to_string(NeededWidth(widget)));
        }
    }
    return clipped;
}

std::string Text(const ResourceSet& resources, int id) {
    return std::string(resources.Text(id));
}

// Cells as wide as the windows can expect: the summary's 32-character SSID and 63-character
// key, the BSS views' longest signal and security texts beside an SSID of common length, the
// longest words of the language, the longest addresses and numbers.
const std::string kLongSsid = "Lanvane-Office-Network-Floor-2-B";
const std::string kCommonSsid = "Lanvane-Office-2";
const std::string kLongKey = "0123456789abcdefABCDEF0123456789abcdefABCDEF0123456789abcdefABC";
const std::string kBssid = "00-1B-44-11-3A-B7";
const std::string kSecurity = "WPA/WPA2/RSN1/RSN2";

void FillList(ListView& list, std::span<const ListColumnTemplate> columns, const ResourceSet& resources,
              const std::vector<std::vector<std::string>>& rows) {
    int index = 0;
    for (const ListColumnTemplate& column : columns) {
        list.InsertColumn(index++, resources.Text(column.headerId), column.width, ColumnAlign::Center);
    }
    for (const auto& row : rows) {
        const int item = list.InsertItem(list.GetItemCount(), row[0]);
        for (std::size_t column = 1; column < row.size(); ++column) {
            list.SetItemText(item, static_cast<int>(column), row[column]);
        }
    }
}

std::vector<std::vector<std::string>> BssRows(const ResourceSet& resources) {
    return {{"100", kCommonSsid, kBssid, Text(resources, sid::kBssModeInfrastructure), "-100", kSecurity},
            {"99", "x", kBssid, Text(resources, sid::kBssModeAdhoc), "-1", Text(resources, sid::kBssNoSecurity)}};
}

// The summary's thirty rows, its widest values where they stand.
std::vector<std::vector<std::string>> SummaryRows(const ResourceSet& resources) {
    std::vector<std::vector<std::string>> rows;
    for (int id = sid::kSummaryPrinterName; id <= sid::kSummaryP2pPinCode; ++id) {
        std::string value = Text(resources, sid::kIpAssignmentDhcp);
        if (id == sid::kSummarySsid || id == sid::kSummaryAuthId) {
            value = kLongSsid;
        } else if (id == sid::kSummaryPskKey) {
            value = kLongKey;
        }
        rows.push_back({std::to_string(id - 399), Text(resources, id), value});
    }
    return rows;
}

// What the windows put into their controls at run time.
void FillAsTheWindowDoes(Dialog& dialog, const ResourceSet& resources) {
    const ResourceSet& r = resources;
    switch (dialog.Template().id) {
    case dlg::kInterfaceConfig:
        for (int id = sid::kTabSystemInformation; id <= sid::kTabCertification; ++id) {
            dialog.Item<TabControl>(ctl::kConfigTab).InsertItem(id - sid::kTabSystemInformation, r.Text(id));
        }
        break;
    case dlg::kSearch:
        dialog.SetDlgItemText(ctl::kSearchStatus, Text(r, sid::kNowSearching) + ".........");
        break;
    case dlg::kDeviceList:
        FillList(dialog.Item<ListView>(ctl::kDeviceListView), columns::kDeviceList, r,
                 {{"100", "00-1B-44-11-3A-B7", "255.255.255.255", "255.255.255.255", Text(r, sid::kAddressNotConfigured),
                   "32767", Text(r, sid::kVersionNotAvailable)}});
        break;
    case dlg::kBssInfo:
        FillList(dialog.Item<ListView>(ctl::kBssDialogList), columns::kBssDialog, r, BssRows(r));
        break;
    case dlg::kBssPage:
        FillList(dialog.Item<ListView>(ctl::kBssPageList), columns::kBssPage, r, BssRows(r));
        break;
    case dlg::kConfigSummary:
        FillList(dialog.Item<ListView>(ctl::kSummaryList), columns::kSummary, r, SummaryRows(r));
        break;
    default:
        break;
    }
}

struct FitCase {
    std::string language;
    int dialog;
};

class LanguageFitTest : public QtTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(LanguageFitTest, EveryTextFitsItsControlAndEveryControlLiesInTheWindow) {
    const ResourceSet& resources = ResourcesOf(GetParam().language);
    const DialogTemplate& source = resources.Dialog(GetParam().dialog);
    // A page lies over the display area of the configuration window's tab control.
    const DialogTemplate& config = resources.Dialog(dlg::kInterfaceConfig);
    const ControlTemplate hostControls[] = {{1, ControlKind::TabControl, "", style::kNone, config.controls[0].rect}};
    const DialogTemplate pageHost{900, "Host", source.fontName, source.fontPointSize, config.width, config.height,
                                  hostControls};
    RecordingDialog host(ui, source.child ? pageHost : source);
    std::unique_ptr<RecordingDialog> page;
    if (source.child) {
        page = std::make_unique<RecordingDialog>(ui, source, &host);
    }
    Dialog& shown = source.child ? static_cast<Dialog&>(*page) : host;
    host.onInit = [&](RecordingDialog& self) {
        if (page) {
            page->Create();
            page->MoveWindow(TabDisplayArea(self.Item<TabControl>(1).Rect()));
            page->ShowWindow(true);
        }
        FillAsTheWindowDoes(shown, resources);
    };
    UiScript script(ui);
    script.Then([&] {
        const QtDialogWindow& window = *ui.WindowOf(shown);
        EXPECT_THAT(ClippedTexts(window), IsEmpty());
        if (source.id == dlg::kAuthPage) {
            for (const int label : {sid::kAuthenticationPasswordLabel, sid::kCertificationPasswordLabel}) {
                shown.SetDlgItemText(ctl::kAuthPasswordLabel, resources.Text(label));
                EXPECT_TRUE(Fits(window.WidgetOf(ctl::kAuthPasswordLabel)))
                    << resources.Text(label) << " " << window.WidgetOf(ctl::kAuthPasswordLabel)->width() << " px";
            }
        }
        for (const auto& control : shown.Controls()) {
            EXPECT_TRUE(window.rect().contains(window.WidgetOf(*control)->geometry())) << control->Id();
        }
        if (!source.child) {
            EXPECT_FALSE(window.windowIcon().isNull());
        }
        ui.CloseInnermost();
    });
    script.Start();
    host.DoModal();
    EXPECT_TRUE(script.Finished());
}

std::vector<FitCase> AllCases() {
    std::vector<FitCase> cases;
    for (const std::string& language : EveryLanguage()) {
        for (const DialogTemplate* dialog : AllDialogTemplates()) {
            cases.push_back({language, dialog->id});
        }
    }
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<FitCase>& info) {
    return info.param.language + "_dialog" + std::to_string(info.param.dialog);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, LanguageFitTest, ::testing::ValuesIn(AllCases()), CaseName);

}  // namespace
}  // namespace lanvane::test
