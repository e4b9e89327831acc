#include "lan/windows/BssInfoDlg.h"

#include "ui/ProgramMessages.h"
#include "protocol/BssSurvey.h"
#include "protocol/BssTable.h"
#include "resources/ListColumns.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "ui/ListView.h"
#include "ui/ProgressBar.h"
#include "ui/WaitCursor.h"

#include <memory>
#include <utility>

namespace lanvane {
namespace {

constexpr int kStartTimer = 100;
constexpr int kStartDelayMs = 300;

}  // namespace

CBssInfoDlg::CBssInfoDlg(LanContext& context, std::string address)
    : Dialog(context.ui, DialogTemplateIn(context.resources, dlg::kBssInfo)),
      context_(context),
      link_(std::move(address), context.surveyTimings, context.surveyPort) {}

bool CBssInfoDlg::OnInitDialog() {
    InsertColumns();
    Item<ProgressBar>(ctl::kBssDialogProgress).SetRange(0, 100);
    SetTimer(kStartTimer, kStartDelayMs);
    return true;
}

void CBssInfoDlg::InsertColumns() {
    auto& list = Item<ListView>(ctl::kBssDialogList);
    int index = 0;
    for (const ListColumnTemplate& column : columns::kBssDialog) {
        list.InsertColumn(index++, context_.strings.Text(column.headerId), column.width, ColumnAlign::Center);
    }
    list.SetFullRowSelect(true);
    list.SetGridLines(true);
}

void CBssInfoDlg::OnTimer(int timerId) {
    KillTimer(timerId);
    if (timerId == kStartTimer) {
        GetBssInformation();
    }
}

void CBssInfoDlg::OnCommand(int controlId, Notification code) {
    if (controlId == ctl::kBssDialogGetButton && code == Notification::Clicked) {
        GetBssInformation();
    }
}

// The survey blocks the window; its progress keeps the bar moving and the window painted.
void CBssInfoDlg::GetBssInformation() {
    auto& list = Item<ListView>(ctl::kBssDialogList);
    auto& progress = Item<ProgressBar>(ctl::kBssDialogProgress);
    list.DeleteAllItems();
    const auto table = std::make_unique<BssTable>();
    BssOutcome outcome = BssOutcome::NoReply;
    {
        const WaitCursor wait(context_.ui);
        outcome = RequestBssOverTcp(link_, *table, [&](int position) {
            progress.SetPos(position);
            context_.ui.PumpPaint();
        });
    }
    if (outcome == BssOutcome::Ok) {
        const BssWords words{context_.strings.Text(sid::kBssModeInfrastructure),
                             context_.strings.Text(sid::kBssModeAdhoc), context_.strings.Text(sid::kBssNoSecurity)};
        for (const BssRow& row : FillBssList(*table, words)) {
            const int item = list.InsertItem(list.GetItemCount(), row[0]);
            for (std::size_t column = 1; column < row.size(); ++column) {
                list.SetItemText(item, static_cast<int>(column), row[column]);
            }
        }
    }
    ShowMessage(*this, context_.strings, outcome == BssOutcome::Ok ? sid::kBssImported : sid::kBssImportFailed);
    progress.SetPos(0);
    link_.Close();
}

}  // namespace lanvane
