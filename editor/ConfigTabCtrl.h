#pragma once

#include <array>

#include "editor/AuthPage.h"
#include "editor/BssPage.h"
#include "editor/CertPage.h"
#include "editor/EditorSession.h"
#include "editor/NetworkPage.h"
#include "editor/ProtocolPage.h"
#include "editor/SystemPage.h"
#include "rules/RuleFailure.h"
#include "ui/Dialog.h"
#include "ui/TabControl.h"

namespace lanvane {

// The configuration window's tab control and its six pages: places and shows the selected
// page, and refuses to leave a page whose values break its rules. The refusal is carried
// out after the change: the selection moves, then goes back silently to the page being
// left, which stays on screen with the focus on the offending field.
class CConfigTabCtrl {
public:
    static constexpr int kPageCount = 6;

    // The pages are children of the window (the tab control's parent), not of the tab.
    CConfigTabCtrl(EditorSession& session, Dialog& window);

    // Creates the pages' windows, in index order.
    void CreatePages();
    // The six tabs, labelled from the string table; the first becomes the selection.
    void InsertTabs();
    // Lays every page over the tab's display area, hidden, then shows the selected one.
    void ShowCurrentPage();
    // The tab control's notifications: the selection is about to change, and has changed.
    void OnSelChanging();
    void OnSelChange();
    // Update's checks: the selected page's rules, then the WEP key and the PIN. False
    // after the message, with the focus on the offending field.
    bool ValidateForUpdate();

    int GetCurSel() const { return Tab().GetCurSel(); }
    EditorPage& PageAt(int index);
    CSystemPage& SystemPage() { return systemPage_; }
    CProtocolPage& ProtocolPage() { return protocolPage_; }
    CNetworkPage& NetworkPage() { return networkPage_; }
    CAuthPage& AuthPage() { return authPage_; }
    CCertPage& CertPage() { return certPage_; }

private:
    TabControl& Tab() const;
    bool LeavePageAllowed(int index);
    bool NetworkPageLeaveAllowed();
    void Report(const rules::RuleFailure& failure);
    void FocusField(rules::ConfigField field);

    EditorSession& session_;
    Dialog& window_;
    CSystemPage systemPage_;
    CProtocolPage protocolPage_;
    CBssPage bssPage_;
    CNetworkPage networkPage_;
    CAuthPage authPage_;
    CCertPage certPage_;
    std::array<EditorPage*, kPageCount> pages_;
    int leavingTab_ = 0;
    bool revertPending_ = false;
};

}  // namespace lanvane
