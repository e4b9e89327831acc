#include "editor/CertPage.h"

#include <array>
#include <cstddef>

#include "link/InterruptRelease.h"
#include "protocol/CertificateFile.h"
#include "protocol/CertificateUpload.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "rules/CertificateMessage.h"
#include "ui/ProgressBar.h"
#include "ui/WaitCursor.h"

namespace lanvane {

namespace {

constexpr std::array kKindRadios = {ctl::kCaRadio, ctl::kClientKeyRadio, ctl::kClientPemRadio};
constexpr std::array kKinds = {CertKind::CA, CertKind::ClientKey, CertKind::ClientPem};

// A refusal of what the file holds leaves the field showing the previous path, as the plain
// "invalid" message always did.
bool ShowsNewPath(CertificateOutcome outcome) {
    return outcome == CertificateOutcome::Ok || outcome == CertificateOutcome::ReadFailed ||
           outcome == CertificateOutcome::TooLarge;
}

// The file's own name: a message box shows the command for the file's folder rather than
// a path that may not fit on its lines.
std::string FileName(const std::string& path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace

CCertPage::CCertPage(EditorSession& session, Dialog& window)
    : EditorPage(session, window, dlg::kCertPage) {}

bool CCertPage::OnInitDialog() {
    Item<ProgressBar>(ctl::kCertProgress).SetRange(0, 100);
    ShowMembers();
    return true;
}

void CCertPage::EnablePage(bool enable) {
    for (const int id : kKindRadios) {
        EnableDlgItem(id, enable);
    }
    for (const int id : {ctl::kOpenFileButton, ctl::kCertPath, ctl::kFileUploadButton}) {
        EnableDlgItem(id, enable);
    }
}

void CCertPage::OnCommand(int controlId, Notification code) {
    if (code != Notification::Clicked) {
        return;
    }
    for (std::size_t index = 0; index < kKindRadios.size(); ++index) {
        if (controlId == kKindRadios[index]) {
            OnKindChosen(kKinds[index]);
            return;
        }
    }
    if (controlId == ctl::kOpenFileButton) {
        OnOpenFile();
    } else if (controlId == ctl::kFileUploadButton) {
        OnFileUpload();
    }
}

// The loaded file stays; the upload checks it against the newly chosen kind.
void CCertPage::OnKindChosen(CertKind kind) {
    ReadControls();
    kind_ = kind;
    Item<ProgressBar>(ctl::kCertProgress).SetPos(0);
    path_.clear();
    ShowMembers();
}

// Choosing again clears the loaded file's validity first, so a cancelled or failed choice
// leaves nothing to upload. An invalid file leaves the field showing the previous path.
void CCertPage::OnOpenFile() {
    certValid_ = false;
    const FileDialogRequest request{"", std::string(Strings().Text(sid::kCertificateFileFilter)), true};
    const std::vector<std::string> paths = Ui().ShowOpenFileDialog(&TopLevel(), request);
    if (paths.empty()) {
        path_.clear();
        return;
    }
    path_ = paths.back();
    const CertificateOutcome outcome = LoadCertificateFile(path_, kind_, certData_);
    if (ShowsNewPath(outcome)) {
        ShowMembers();
    }
    ShowMessageText(CertificateMessage(Strings(), outcome, kind_, FileName(path_)));
    certValid_ = outcome == CertificateOutcome::Ok;
}

void CCertPage::OnFileUpload() {
    if (!Session().connected) {
        ShowMessage(sid::kConnectFailed);
        return;
    }
    if (!certValid_) {
        ShowMessage(sid::kNoValidCertificate);
        return;
    }
    // The kind may have changed since the file was loaded: a key never goes out as a
    // certificate, nor a certificate as the key.
    if (const CertificateOutcome fit = CheckCertificate(certData_.View(), kind_);
        fit != CertificateOutcome::Ok) {
        ShowMessageText(CertificateMessage(Strings(), fit, kind_, FileName(path_)));
        return;
    }
    UploadOutcome outcome;
    {
        WaitCursor wait(Ui());
        const InterruptNotice notice(interrupted::kUploadingCertificate);
        outcome = UploadCertificate(Session().context.port, Session().buffers, kind_, certData_.View(),
                                    [this](int position) { ShowProgress(position); }, Session().pause);
    }
    ShowMessage(outcome == UploadOutcome::Ok ? sid::kCertificateUploaded : sid::kCertificateUploadFailed);
}

void CCertPage::ReadControls() {
    for (std::size_t index = 0; index < kKindRadios.size(); ++index) {
        if (IsDlgButtonChecked(kKindRadios[index])) {
            kindIndex_ = static_cast<int>(index);
        }
    }
    path_ = GetDlgItemText(ctl::kCertPath);
}

void CCertPage::ShowMembers() {
    CheckRadioButton(ctl::kCaRadio, ctl::kClientPemRadio,
                     kKindRadios[static_cast<std::size_t>(kindIndex_)]);
    SetDlgItemText(ctl::kCertPath, path_);
}

// The upload blocks the one thread: the window repaints from its progress.
void CCertPage::ShowProgress(int position) {
    Item<ProgressBar>(ctl::kCertProgress).SetPos(position);
    Ui().PumpPaint();
}

}  // namespace lanvane
