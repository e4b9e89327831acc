#include "editor/BssPage.h"

#include <cstddef>
#include <vector>

#include "protocol/BssSurvey.h"
#include "resources/ListColumns.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "ui/ListView.h"
#include "ui/ProgressBar.h"
#include "ui/WaitCursor.h"

namespace lanvane {

CBssPage::CBssPage(EditorSession& session, Dialog& window)
    : EditorPage(session, window, dlg::kBssPage) {}

bool CBssPage::OnInitDialog() {
    auto& list = Item<ListView>(ctl::kBssPageList);
    int index = 0;
    for (const ListColumnTemplate& column : columns::kBssPage) {
        list.InsertColumn(index++, Strings().Text(column.headerId), column.width, ColumnAlign::Center);
    }
    list.SetFullRowSelect(true);
    Item<ProgressBar>(ctl::kBssPageProgress).SetRange(0, 100);
    return true;
}

void CBssPage::EnablePage(bool enable) {
    if (enable) {
        Item<ListView>(ctl::kBssPageList).DeleteAllItems();
    }
    EnableDlgItem(ctl::kBssPageList, enable);
    EnableDlgItem(ctl::kBssPageGetButton, enable);
}

void CBssPage::OnCommand(int controlId, Notification code) {
    if (controlId == ctl::kBssPageGetButton && code == Notification::Clicked) {
        GetBssInformation();
    }
}

// A failed survey adds no rows: the list was emptied before it.
void CBssPage::GetBssInformation() {
    PrinterPortLike& port = Session().context.port;
    if (!port.IsOpen()) {
        ShowMessage(sid::kConnectFailed);
        return;
    }
    Item<ListView>(ctl::kBssPageList).DeleteAllItems();
    BssOutcome outcome;
    {
        WaitCursor wait(Ui());
        outcome = RequestBssOverPort(port, Session().buffers, Session().bssTable,
                                     [this](int position) { ShowProgress(position); });
    }
    if (outcome == BssOutcome::Ok) {
        FillList();
        ShowMessage(sid::kBssImported);
    } else {
        ShowMessage(sid::kBssImportFailed);
    }
    Item<ProgressBar>(ctl::kBssPageProgress).SetPos(0);
}

// The survey blocks the one thread: the window repaints from its progress.
void CBssPage::ShowProgress(int position) {
    Item<ProgressBar>(ctl::kBssPageProgress).SetPos(position);
    Ui().PumpPaint();
}

// Rows as the survey formats them, with the mode and "no security" texts of the string
// table, so that a language library replaces them too.
void CBssPage::FillList() {
    auto& list = Item<ListView>(ctl::kBssPageList);
    const BssWords words{Strings().Text(sid::kBssModeInfrastructure), Strings().Text(sid::kBssModeAdhoc),
                         Strings().Text(sid::kBssNoSecurity)};
    for (const BssRow& row : FillBssList(Session().bssTable, words)) {
        const int item = list.InsertItem(list.GetItemCount(), row[0]);
        for (std::size_t column = 1; column < row.size(); ++column) {
            list.SetItemText(item, static_cast<int>(column), row[column]);
        }
    }
}

}  // namespace lanvane
