#include "editor/ConfigSummaryDlg.h"

#include <string>

#include "rules/ConfigSummary.h"
#include "resources/ListColumns.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "ui/ListView.h"

namespace lanvane {

namespace {

// The summary's columns, left to right.
enum SummaryColumn { kNumberColumn, kNameColumn, kValueColumn };

}  // namespace

CConfigSummaryDlg::CConfigSummaryDlg(UiBackend& ui, const DialogTemplate& source, const StringTable& strings,
                                     const InterfaceConfig& written, Dialog* owner)
    : Dialog(ui, source, owner), strings_(strings), written_(written) {}

bool CConfigSummaryDlg::OnInitDialog() {
    auto& list = Item<ListView>(ctl::kSummaryList);
    int index = kNumberColumn;
    for (const ListColumnTemplate& column : columns::kSummary) {
        list.InsertColumn(index++, strings_.Text(column.headerId), column.width, ColumnAlign::Center);
    }
    list.SetFullRowSelect(true);
    list.SetGridLines(true);
    int number = 1;
    for (const rules::ConfigSummaryRow& row : rules::ConfigSummaryRows(written_, strings_)) {
        const int item = list.InsertItem(list.GetItemCount(), std::to_string(number++));
        list.SetItemText(item, kNameColumn, row.name);
        list.SetItemText(item, kValueColumn, row.value);
    }
    return true;
}

}  // namespace lanvane
