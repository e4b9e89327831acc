#pragma once

#include <QObject>
#include <QTableWidget>

#include "ui/ListView.h"
#include "ui/RowsBinding.h"
#include "ui/qt/ControlBinding.h"
#include "ui/qt/DialogUnits.h"

namespace lanvane {

// A list view in report mode on a table: columns with their titles, widths and alignment,
// grid lines, full-row or first-cell selection. The table never selects by itself: mouse
// clicks and the arrow keys become UserClickRow, and the rows' states come from the model.
class ListViewBinding final : public RowsBinding<ControlBinding>, private QObject {
public:
    ListViewBinding(ListView& list, QTableWidget& widget, const DialogUnits& units, WindowHost& host);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool TakeKey(int key);

    void SyncColumns() override;
    void WidenColumns() override;
    void SyncFlags() override;
    void SyncRowCells(int row) override;
    void SyncRowState(int row) override;
    void SyncAllStates() override;
    int ModelRows() const override;
    int ShownRows() const override;
    void InsertShownRow(int row) override;
    void RemoveShownRow(int row) override;
    void ShowRows(int count) override;
    Qt::Alignment ColumnAlignment(int column) const;

    ListView& list_;
    QTableWidget& widget_;
    DialogUnits units_;
};

}  // namespace lanvane
