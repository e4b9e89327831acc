#include "editor/ConfigTabCtrl.h"

#include "ui/ProgramMessages.h"
#include "rules/AuthPageRules.h"
#include "rules/ConfigPage.h"
#include "rules/NetworkPageRules.h"
#include "rules/ProtocolPageRules.h"
#include "rules/SystemPageRules.h"
#include "rules/UpdateRules.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"

namespace lanvane {

namespace {

using rules::ConfigPage;

// Tab labels in index order.
constexpr std::array<int, CConfigTabCtrl::kPageCount> kTabLabels = {
    sid::kTabSystemInformation, sid::kTabProtocol,       sid::kTabBssInformation,
    sid::kTabNetwork,           sid::kTabAuthentication, sid::kTabCertification,
};

}  // namespace

CConfigTabCtrl::CConfigTabCtrl(EditorSession& session, Dialog& window)
    : session_(session),
      window_(window),
      systemPage_(session, window),
      protocolPage_(session, window),
      bssPage_(session, window),
      networkPage_(session, window),
      authPage_(session, window),
      certPage_(session, window),
      pages_{&systemPage_, &protocolPage_, &bssPage_, &networkPage_, &authPage_, &certPage_} {}

TabControl& CConfigTabCtrl::Tab() const {
    return window_.Item<TabControl>(ctl::kConfigTab);
}

EditorPage& CConfigTabCtrl::PageAt(int index) {
    return *pages_.at(static_cast<std::size_t>(index));
}

void CConfigTabCtrl::CreatePages() {
    for (EditorPage* page : pages_) {
        page->Create();
    }
}

// A page takes its tab's label as its title, which names its controls that have no label.
void CConfigTabCtrl::InsertTabs() {
    for (int index = 0; index < kPageCount; ++index) {
        const std::string_view label = session_.context.strings.Text(kTabLabels[static_cast<std::size_t>(index)]);
        Tab().InsertItem(index, label);
        PageAt(index).SetWindowText(label);
    }
}

void CConfigTabCtrl::ShowCurrentPage() {
    const int selected = GetCurSel();
    const DialogRect area = Tab().DisplayRect();
    for (EditorPage* page : pages_) {
        page->MoveWindow(area);
        page->ShowWindow(false);
    }
    if (selected < 0 || selected >= kPageCount) {
        return;
    }
    PageAt(selected).ShowWindow(true);
    if (selected == static_cast<int>(ConfigPage::authentication)) {
        authPage_.RefreshControls();
    }
}

// The change is never vetoed here; a refusal is remembered and carried out in OnSelChange.
void CConfigTabCtrl::OnSelChanging() {
    leavingTab_ = GetCurSel();
    revertPending_ = !LeavePageAllowed(leavingTab_);
}

void CConfigTabCtrl::OnSelChange() {
    if (revertPending_) {
        Tab().SetCurSel(leavingTab_);
        revertPending_ = false;
        return;
    }
    ShowCurrentPage();
}

// A read-back that complained about a field refuses the change as a broken rule does.
bool CConfigTabCtrl::LeavePageAllowed(int index) {
    rules::RuleResult failure;
    switch (static_cast<ConfigPage>(index)) {
        case ConfigPage::systemInformation:
            if (!systemPage_.ReadBack()) {
                return false;
            }
            failure = rules::CheckSystemPageLeave(systemPage_.Values());
            break;
        case ConfigPage::protocol:
            protocolPage_.ReadBack();
            failure = rules::CheckProtocolPageLeave(protocolPage_.Values());
            break;
        case ConfigPage::network: return NetworkPageLeaveAllowed();
        case ConfigPage::authentication: failure = rules::CheckAuthPageLeave(authPage_.Values()); break;
        case ConfigPage::bssInformation:
        case ConfigPage::certification: break;
    }
    if (failure) {
        Report(*failure);
    }
    return !failure;
}

// An empty SSID and a bad PIN give both messages in turn; the PIN takes the focus before
// its message.
bool CConfigTabCtrl::NetworkPageLeaveAllowed() {
    if (!networkPage_.ReadBack()) {
        return false;
    }
    const auto failures = rules::CheckNetworkPageLeave(networkPage_.Values());
    for (const rules::RuleFailure& failure : failures) {
        if (failure.field == rules::ConfigField::p2pPinCode) {
            FocusField(failure.field);
            ShowMessage(window_, session_.context.strings, failure.messageId);
        } else {
            Report(failure);
        }
    }
    return failures.empty();
}

bool CConfigTabCtrl::ValidateForUpdate() {
    const rules::UpdateCheck check = rules::CheckUpdate(static_cast<ConfigPage>(GetCurSel()), session_.values);
    if (check.failure) {
        Report(*check.failure);
        return false;
    }
    return true;
}

void CConfigTabCtrl::Report(const rules::RuleFailure& failure) {
    ShowMessage(window_, session_.context.strings, failure.messageId);
    FocusField(failure.field);
}

void CConfigTabCtrl::FocusField(rules::ConfigField field) {
    for (EditorPage* page : pages_) {
        if (const int id = page->ControlFor(field); id != 0) {
            page->SetFocus(id);
            return;
        }
    }
}

}  // namespace lanvane
