#include "ui/qt/ProgressBinding.h"

namespace lanvane {

ProgressBinding::ProgressBinding(ProgressBar& bar, QProgressBar& widget, WindowHost& host)
    : ControlBinding(bar, widget, host), bar_(bar), widget_(widget) {
    widget_.setTextVisible(false);
}

void ProgressBinding::SyncContent() {
    widget_.setRange(bar_.Lower(), bar_.Upper());
    widget_.setValue(bar_.GetPos());
}

}  // namespace lanvane
