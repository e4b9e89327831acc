#pragma once

#include "ui/ModelChange.h"

namespace lanvane {

// How a list view follows its model, on any backend's binding: which of its parts each
// change touches (columns, flags, rows, one row's cells or state), and a row inserted or
// deleted as one rather than the whole list again.
template <class Binding>
class RowsBinding : public Binding {
public:
    using Binding::Binding;

protected:
    virtual void SyncColumns() = 0;
    virtual void SyncFlags() = 0;
    virtual void SyncRowCells(int row) = 0;
    virtual void SyncRowState(int row) = 0;
    virtual void SyncAllStates() = 0;
    // Columns of automatic width take their widest text again.
    virtual void WidenColumns() = 0;
    virtual int ModelRows() const = 0;
    virtual int ShownRows() const = 0;
    // Each makes or drops rows on the screen, without their texts.
    virtual void InsertShownRow(int row) = 0;
    virtual void RemoveShownRow(int row) = 0;
    virtual void ShowRows(int count) = 0;

private:
    // `changed` names the row inserted or deleted; -1 (or a change of more than one row)
    // shows every row again.
    void SyncRows(int changed) {
        const int rows = ModelRows();
        const int shown = ShownRows();
        if (changed >= 0 && rows == shown + 1 && changed < rows) {
            InsertShownRow(changed);
            SyncRowCells(changed);
        } else if (changed >= 0 && rows == shown - 1 && changed <= rows) {
            RemoveShownRow(changed);
        } else {
            ShowRows(rows);
            for (int row = 0; row < rows; ++row) {
                SyncRowCells(row);
            }
        }
        WidenColumns();
        SyncAllStates();
    }
    void SyncContent() override {
        SyncColumns();
        SyncFlags();
        SyncRows(-1);
    }
    void ApplyContent(ModelChange what, int index) override {
        switch (what) {
        case ModelChange::Columns:
            SyncColumns();
            SyncRows(-1);
            break;
        case ModelChange::ListFlags:
            SyncFlags();
            break;
        case ModelChange::Rows:
            SyncRows(index);
            break;
        case ModelChange::Cell:
            SyncRowCells(index);
            WidenColumns();
            break;
        case ModelChange::ItemState:
            SyncRowState(index);
            break;
        default:
            break;
        }
    }
};

}  // namespace lanvane
