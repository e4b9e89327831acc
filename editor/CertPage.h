#pragma once

#include <string>

#include "editor/EditorPage.h"
#include "protocol/Certificate.h"
#include "protocol/SecureBytes.h"

namespace lanvane {

// "Cerification": the kind of certificate, the certificate file, and its upload to the
// connected printer.
class CCertPage : public EditorPage {
public:
    CCertPage(EditorSession& session, Dialog& window);

    // Kind, path and loaded file stay as they are.
    void EnablePage(bool enable) override;

    CertKind Kind() const { return kind_; }

protected:
    bool OnInitDialog() override;
    void OnCommand(int controlId, Notification code) override;

private:
    void OnKindChosen(CertKind kind);
    void OnOpenFile();
    void OnFileUpload();
    void ReadControls();
    void ShowMembers();
    void ShowProgress(int position);

    CertKind kind_ = CertKind::CA;
    int kindIndex_ = 0;  // the marked radio, 0 = "CA"
    std::string path_;
    SecureBytes certData_;
    bool certValid_ = false;
};

}  // namespace lanvane
