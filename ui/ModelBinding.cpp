#include "ui/ModelBinding.h"

#include "ui/SyncGuard.h"

namespace lanvane {

void ModelBinding::SyncAll() {
    SyncGuard guard(syncing_);
    SyncGuard mirroring(mirroring_);
    ShowEnabled();
    ShowVisible();
    SyncContent();
}

void ModelBinding::Apply(ModelChange what, int index) {
    SyncGuard guard(syncing_);
    SyncGuard mirroring(mirroring_);
    switch (what) {
    case ModelChange::Enabled:
        ShowEnabled();
        break;
    case ModelChange::Visible:
        ShowVisible();
        break;
    default:
        ApplyContent(what, index);
        break;
    }
}

void ModelBinding::ApplyContent(ModelChange /*what*/, int /*index*/) {
    SyncContent();
}

}  // namespace lanvane
