#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/win32/OpenFileDialog.h"
#include "ui/win32/WebPageUrl.h"

namespace lanvane {
namespace {

TEST(WebPageUrlTest, OnlyAPrinterPageReachesTheShell) {
    const struct {
        const char* url;
        bool opened;
    } cases[] = {
        {"http://192.168.0.10/", true},
        {"http://255.255.255.255/", true},
        {"http://192.168.0.256/", false},
        {"http://192.168.0.10", false},
        {"http://1234.1.1.1/", false},
        {"https://192.168.0.10/", false},
        {"http://192.168.0.10/ & calc.exe", false},
        {"C:\\Windows\\System32\\calc.exe", false},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(IsWebPageUrl(each.url), each.opened) << each.url;
    }
}

TEST(OpenFileDialogTest, FilterPairsAndChosenPathsReadAsTheSystemWritesThem) {
    EXPECT_EQ(SystemFilter("Certificates (*.pem;*.crt)|*.pem;*.crt|All (*.*)|*|"),
              std::wstring(L"Certificates (*.pem;*.crt)\0*.pem;*.crt\0All (*.*)\0*.*\0\0", 54));

    const std::wstring single(L"C:\\certs\\a.pem\0\0", 16);
    EXPECT_EQ(ChosenPaths(single), (std::vector<std::string>{"C:\\certs\\a.pem"}));
    const std::wstring several(L"C:\\certs\0a.pem\0b \xE4.crt\0\0", 24);
    EXPECT_EQ(ChosenPaths(several), (std::vector<std::string>{"C:\\certs\\a.pem", "C:\\certs\\b \xC3\xA4.crt"}));
    const std::wstring inRoot(L"C:\\\0a.pem\0b.pem\0\0", 17);
    EXPECT_EQ(ChosenPaths(inRoot), (std::vector<std::string>{"C:\\a.pem", "C:\\b.pem"}));
    EXPECT_TRUE(ChosenPaths(std::wstring(2, L'\0')).empty());
}

}  // namespace
}  // namespace lanvane
