#include "lan/windows/SearchDlg.h"

#include "ui/ProgramMessages.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "ui/ProgressBar.h"

namespace lanvane {
namespace {

constexpr int kTickTimer = 1000;
constexpr int kTickMs = 100;
constexpr int kSearchMs = 1000;
constexpr int kProgressRange = 1000;

}  // namespace

CSearchDlg::CSearchDlg(LanContext& context, LanMode lanMode)
    : Dialog(context.ui, DialogTemplateIn(context.resources, dlg::kSearch)),
      context_(context),
      search_(lanMode, context.network, context.lists) {}

bool CSearchDlg::OnInitDialog() {
    SetDlgItemText(ctl::kSearchStatus, "");
    // Shown from the first tick on.
    status_ = std::string(context_.strings.Text(sid::kNowSearching));
    progressPosition_ = 0;
    auto& progress = Item<ProgressBar>(ctl::kSearchProgress);
    progress.SetRange(0, kProgressRange);
    progress.SetPos(0);

    // Empties the mode's list first, so that a failed search leaves no stale devices.
    if (search_.Start() != UdpResult::Ok) {
        ShowMessage(*this, context_.strings, sid::kNetworkUnusable);
        EndDialog(kIdCancel);
        return true;
    }
    WatchSocket(search_.Fd(), ctl::kSearchSocket);
    remainingMs_ = kSearchMs;
    SetTimer(kTickTimer, kTickMs);
    return true;
}

// One dot per tick; the text starts over at every whole second, and the dialog closes on
// the tick after the last whole second.
void CSearchDlg::OnTimer(int timerId) {
    if (timerId != kTickTimer) {
        return;
    }
    remainingMs_ -= kTickMs;
    progressPosition_ += kTickMs;
    status_ += '.';
    if (remainingMs_ % 1000 == 0) {
        status_ = std::string(context_.strings.Text(sid::kNowSearching));
    }
    Item<ProgressBar>(ctl::kSearchProgress).SetPos(progressPosition_);
    if (remainingMs_ < 0) {
        OnCancel();
    }
    ShowStatus();
}

void CSearchDlg::OnSocketReadable(int token) {
    if (token != ctl::kSearchSocket) {
        return;
    }
    if (search_.TakeOne() == DiscoveryVerdict::Device) {
        ShowStatus();
    }
}

void CSearchDlg::OnCancel() {
    KillTimer(kTickTimer);
    EndDialog(kIdCancel);
}

// The socket lives exactly as long as the window.
void CSearchDlg::OnDestroy() {
    search_.Socket().Close();
}

void CSearchDlg::ShowStatus() {
    SetDlgItemText(ctl::kSearchStatus, status_);
}

}  // namespace lanvane
