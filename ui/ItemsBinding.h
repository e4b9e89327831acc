#pragma once

#include "ui/ModelChange.h"

namespace lanvane {

// How a control of items and one selection (combo box, tab control) follows its model, on
// any backend's binding: its items when they changed, its selection after every change.
template <class Binding>
class ItemsBinding : public Binding {
public:
    using Binding::Binding;

protected:
    virtual void SyncItems() = 0;
    virtual void SyncSelection() = 0;

private:
    void SyncContent() override {
        SyncItems();
        SyncSelection();
    }
    void ApplyContent(ModelChange what, int /*index*/) override {
        if (what == ModelChange::Items) {
            SyncItems();
        }
        SyncSelection();
    }
};

}  // namespace lanvane
