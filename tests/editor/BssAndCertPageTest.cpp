#include "EditorTestSupport.h"

#include <filesystem>
#include <fstream>
#include <random>

#include "ui/EditControl.h"
#include "ui/ListView.h"
#include "ui/ProgressBar.h"
#include "ui/RadioButton.h"

namespace lanvane::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

constexpr char kCertificate[] = "-----BEGIN CERTIFICATE-----\nMIIB\n-----END CERTIFICATE-----\n";

using BssPageTest = EditorTest;

// The rows stay while the page is disabled; the next connect empties them.
TEST_F(BssPageTest, SurveyFillsTheListThroughThePort) {
    Connect();
    SelectTab(kBss);
    Check([&] { ClearMessages(); });
    Click(ctl::kBssPageGetButton);
    Check([&] {
        auto& list = On<ListView>(kBss, ctl::kBssPageList);
        EXPECT_THAT(Messages(), ElementsAre("The BSS information has been imported successfully."));
        ASSERT_EQ(list.GetItemCount(), 4);
        EXPECT_EQ(list.Columns().at(3).title, "MODE");
        EXPECT_EQ(list.GetItemText(0, 1), "VT-Office");
        EXPECT_EQ(list.GetItemText(0, 3), "Infrastructure");
        EXPECT_EQ(list.GetItemText(1, 5), "No");
        EXPECT_EQ(list.GetItemText(3, 3), "Ad hoc");
        EXPECT_EQ(On<ProgressBar>(kBss, ctl::kBssPageProgress).GetPos(), 0);
        EXPECT_GT(ui.PaintPumps(), 0);
        EXPECT_TRUE(port.IsOpen());
    });
    Click(ctl::kDisconnectButton);
    Check([&] {
        EXPECT_EQ(On<ListView>(kBss, ctl::kBssPageList).GetItemCount(), 4);
        EXPECT_FALSE(Page(kBss).GetDlgItem(ctl::kBssPageList).IsEnabled());
    });
    Connect();
    Check([&] { EXPECT_EQ(On<ListView>(kBss, ctl::kBssPageList).GetItemCount(), 0); });
    Run();
}

TEST_F(BssPageTest, FailedSurveyLeavesTheListEmpty) {
    Connect();
    SelectTab(kBss);
    Click(ctl::kBssPageGetButton);
    Check([&] {
        sim::FaultPlan faults;
        faults.badChecksum = true;
        SetFaults(faults);
    });
    Click(ctl::kBssPageGetButton);
    Check([&] {
        EXPECT_EQ(LastMessage(),
                  "Failed to import the BSS information.\nPlease check the IP address or port number to connect to.");
        EXPECT_EQ(On<ListView>(kBss, ctl::kBssPageList).GetItemCount(), 0);
        EXPECT_TRUE(Window().IsConnected());
    });
    Run();
}

class CertPageTest : public EditorTest {
protected:
    CertPageTest() {
        directory = fs::temp_directory_path() / ("lanvane-editor-" + std::to_string(std::random_device{}()));
        fs::create_directories(directory);
    }
    ~CertPageTest() override { fs::remove_all(directory); }

    std::string File(const std::string& name, const std::string& contents) {
        const fs::path path = directory / name;
        std::ofstream(path, std::ios::binary) << contents;
        return path.string();
    }
    std::string PathText() { return Page(kCert).GetDlgItemText(ctl::kCertPath); }
    CCertPage& CertPage() { return Window().Tabs().CertPage(); }

    void ShowCertPage() {
        Connect();
        SelectTab(kCert);
        Check([&] { ClearMessages(); });
    }

    fs::path directory;
};

// Of several files only the last is loaded; a kind chosen afterwards empties the field but
// the file goes out under that kind.
TEST_F(CertPageTest, LastChosenFileGoesOutUnderTheKindChosenLast) {
    const std::string valid = File("client.pem", kCertificate);
    driver.AnswerFiles({File("a.pem", "junk"), File("b.pem", "junk"), valid});
    ShowCertPage();
    Click(ctl::kOpenFileButton);
    Check([&] {
        EXPECT_THAT(Messages(), ElementsAre("The certificate file is selected."));
        EXPECT_EQ(PathText(), valid);
        ASSERT_EQ(ui.FileDialogs().size(), 1u);
        EXPECT_TRUE(ui.FileDialogs()[0].request.multiSelect);
        EXPECT_EQ(ui.FileDialogs()[0].request.filter, "Original Certificate Format (*.*)|*|");
    });
    Click(ctl::kClientPemRadio);
    Check([&] {
        EXPECT_EQ(PathText(), "");
        EXPECT_EQ(CertPage().Kind(), CertKind::ClientPem);
        ClearMessages();
    });
    Click(ctl::kFileUploadButton);
    Check([&] {
        EXPECT_THAT(Messages(),
                    ElementsAre("The certificate document has been uploaded successfully.\nReset the printer."));
        EXPECT_EQ(On<ProgressBar>(kCert, ctl::kCertProgress).GetPos(), 100);
        EXPECT_GT(ui.PaintPumps(), 0);
        EXPECT_EQ(ui.WaitCursorDepth(), 0);
    });
    Click(ctl::kCaRadio);
    Check([&] { EXPECT_EQ(On<ProgressBar>(kCert, ctl::kCertProgress).GetPos(), 0); });
    Run();
    const auto certificates = printer.State().certificates;
    ASSERT_EQ(certificates.count(3), 1u);
    EXPECT_TRUE(certificates.at(3).complete);
    EXPECT_EQ(std::string(certificates.at(3).data.begin(), certificates.at(3).data.end()), kCertificate);
}

TEST_F(CertPageTest, CancelledChoiceLeavesNothingToUpload) {
    driver.AnswerFiles({File("ca.pem", kCertificate)});
    ShowCertPage();
    Click(ctl::kOpenFileButton);
    Click(ctl::kOpenFileButton);
    Click(ctl::kFileUploadButton);
    Check([&] {
        EXPECT_EQ(LastMessage(), "No certificate file is selected or the selected file is invalid.");
        EXPECT_FALSE(CertPage().HasValidCertificate());
    });
    Run();
    EXPECT_FALSE(PrinterReceived(sim::RequestKind::CertificateAnnouncement));
}

// An invalid file is reported without showing its path; a file too large shows it.
TEST_F(CertPageTest, RefusedFilesAndTheirPaths) {
    const std::string valid = File("ca.pem", kCertificate);
    const std::string large = File("large.pem", "-----BEGIN " + std::string(3100, 'A') + "-----END");
    driver.AnswerFiles({valid}).AnswerFiles({File("bad.pem", "not a certificate")}).AnswerFiles({large});
    ShowCertPage();
    Click(ctl::kOpenFileButton);
    Click(ctl::kOpenFileButton);
    Check([&] {
        EXPECT_EQ(LastMessage(), "The certificate file is invalid.");
        EXPECT_EQ(PathText(), valid);
    });
    Click(ctl::kOpenFileButton);
    Check([&] {
        EXPECT_EQ(LastMessage(), "The maximum size of a certificate file is 3KB.");
        EXPECT_EQ(PathText(), large);
    });
    Run();
}

TEST_F(CertPageTest, RefusedUploadIsReported) {
    driver.AnswerFiles({File("ca.pem", kCertificate)});
    ShowCertPage();
    Click(ctl::kOpenFileButton);
    Check([&] {
        sim::FaultPlan faults;
        faults.refuseStart = 100;
        SetFaults(faults);
    });
    Click(ctl::kFileUploadButton);
    Check([&] { EXPECT_EQ(LastMessage(), "Failed to upload the certificate document.\nReset the printer."); });
    Run();
}

}  // namespace
}  // namespace lanvane::test
