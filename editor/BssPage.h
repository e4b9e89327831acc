#pragma once

#include "editor/EditorPage.h"

namespace lanvane {

// "BSS Information": surveys, when the user asks, the wireless networks the printer
// receives, over the open printer port, into the window's BSS table and the page's list.
class CBssPage : public EditorPage {
public:
    CBssPage(EditorSession& session, Dialog& window);

    // Connecting empties the list; the rows stay while the page is disabled.
    void EnablePage(bool enable) override;

protected:
    bool OnInitDialog() override;
    void OnCommand(int controlId, Notification code) override;

private:
    void GetBssInformation();
    void ShowProgress(int position);
    void FillList();
};

}  // namespace lanvane
