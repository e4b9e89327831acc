#include "cli/UrlOpener.h"

#include "platform/win32/WideText.h"
#include "protocol/AddressText.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <optional>
#include <string_view>

namespace lanvane::cli {
namespace {

// The printer's page "http://a.b.c.d/", written afresh from the parsed address, so that
// nothing but such a page ever reaches the shell.
std::optional<std::string> PrinterPageUrl(std::string_view url) {
    constexpr std::string_view kScheme = "http://";
    if (!url.starts_with(kScheme) || !url.ends_with('/')) {
        return std::nullopt;
    }
    const std::optional<std::uint32_t> address =
        ParseAddressText(url.substr(kScheme.size(), url.size() - kScheme.size() - 1));
    if (!address) {
        return std::nullopt;
    }
    return "http://" + AddressText(*address) + "/";
}

}  // namespace

bool OpenInBrowser(const std::string& url) {
    const std::optional<std::string> page = PrinterPageUrl(url);
    if (!page) {
        return false;
    }
    // The shell may hand the page to an extension that needs COM.
    const HRESULT initialized = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const HINSTANCE opened = ShellExecuteW(nullptr, L"open", win32::Utf8ToWide(*page).c_str(), nullptr, nullptr,
                                           SW_SHOWNORMAL);
    if (SUCCEEDED(initialized)) {
        CoUninitialize();
    }
    // Values above 32 mean the browser was started.
    return reinterpret_cast<INT_PTR>(opened) > 32;
}

}  // namespace lanvane::cli
