#pragma once

#include "lan/windows/LanContext.h"
#include "lan/core/LanMode.h"
#include "lan/core/LanSearch.h"
#include "ui/Dialog.h"

#include <string>

namespace lanvane {

// "Search...": broadcasts the discovery request of its mode, gathers the replies into
// the mode's device list for eleven ticks of 100 ms, and closes by itself. It always ends
// with the cancel result; the opener redraws its list from the device list.
class CSearchDlg : public Dialog {
public:
    CSearchDlg(LanContext& context, LanMode lanMode);

protected:
    bool OnInitDialog() override;
    void OnTimer(int timerId) override;
    void OnSocketReadable(int token) override;
    void OnCancel() override;
    void OnDestroy() override;

private:
    void ShowStatus();

    LanContext& context_;
    LanSearch search_;
    int remainingMs_ = 0;
    int progressPosition_ = 0;
    std::string status_;
};

}  // namespace lanvane
