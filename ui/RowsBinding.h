#pragma once

#include "ui/ModelChange.h"

namespace lanvane {

// How a list view follows its model, on any backend's binding: which of its parts each
// change touches (columns, flags, rows, one row's cells or state).
template <class Binding>
class RowsBinding : public Binding {
public:
    using Binding::Binding;

protected:
    virtual void SyncColumns() = 0;
    virtual void SyncFlags() = 0;
    // The rows from `changed` on (-1: all of them).
    virtual void SyncRows(int changed) = 0;
    virtual void SyncRowCells(int row) = 0;
    virtual void SyncRowState(int row) = 0;
    // Columns of automatic width take their widest text again.
    virtual void WidenColumns() = 0;

private:
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
