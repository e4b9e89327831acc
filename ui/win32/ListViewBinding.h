#pragma once

#include "ui/ListView.h"
#include "ui/RowsBinding.h"
#include "ui/win32/ControlBinding.h"

namespace lanvane {

// A report list view. Its rows' states belong to the model: a click or an arrow key goes
// to the model's UserClickRow (which raises ListItemChanged for every row whose state
// changes) and the system's own selection handling never runs, so the window shows the
// model's states and nothing else.
class ListViewBinding final : public RowsBinding<ControlBinding> {
public:
    // baseX: the dialog's horizontal base unit, to scale the column widths the windows
    // give in pixels of the classic dialog font.
    ListViewBinding(ListView& list, HWND window, int baseX, WindowHost& host);

private:
    bool Intercept(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void SyncColumns() override;
    void SyncFlags() override;
    void SyncRowCells(int row) override;
    void SyncRowState(int row) override;
    void SyncAllStates() override;
    int ModelRows() const override;
    int ShownRows() const override;
    void InsertShownRow(int row) override;
    void RemoveShownRow(int row) override;
    void ShowRows(int count) override;
    void WidenColumns() override;
    bool TakeKey(WPARAM key);
    void ClickRow(int row);

    ListView& list_;
    int baseX_;
};

}  // namespace lanvane
