#pragma once

#include "lan/windows/LanContext.h"
#include "link/TcpLink.h"
#include "ui/Dialog.h"

#include <string>

namespace lanvane {

// "BSS Information": the wireless networks a printer on the LAN receives, read over its TCP
// survey port. A survey starts by itself shortly after the dialog opens; the button runs
// another, each on a connection of its own.
class CBssInfoDlg : public Dialog {
public:
    // `address`: the printer's dotted-decimal IPv4 address.
    CBssInfoDlg(LanContext& context, std::string address);

protected:
    bool OnInitDialog() override;
    void OnCommand(int controlId, Notification code) override;
    void OnTimer(int timerId) override;

private:
    void InsertColumns();
    void GetBssInformation();

    LanContext& context_;
    CTcpLink link_;
};

}  // namespace lanvane
