#pragma once

#include <QProgressBar>

#include "ui/ProgressBar.h"
#include "ui/qt/ControlBinding.h"

namespace lanvane {

// A progress bar without a percentage text, as the classic control draws it.
class ProgressBinding final : public ControlBinding {
public:
    ProgressBinding(ProgressBar& bar, QProgressBar& widget, WindowHost& host);

private:
    void SyncContent() override;

    ProgressBar& bar_;
    QProgressBar& widget_;
};

}  // namespace lanvane
