#include "ui/win32/OpenFileDialog.h"

#include <commdlg.h>

#include "platform/win32/WideText.h"

namespace lanvane {

namespace {

// Room for many chosen files with long paths.
constexpr std::size_t kBufferCharacters = 64 * 1024;

// "*" alone means every file, as the POSIX patterns of the filters write it.
std::wstring SystemPattern(std::wstring pattern) {
    return pattern == L"*" ? L"*.*" : pattern;
}

}  // namespace

std::wstring SystemFilter(std::string_view filter) {
    std::vector<std::wstring> parts;
    std::wstring text = win32::Utf8ToWide(filter);
    std::size_t start = 0;
    for (std::size_t bar = text.find(L'|'); bar != std::wstring::npos; bar = text.find(L'|', start)) {
        parts.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    std::wstring system;
    for (std::size_t index = 0; index + 1 < parts.size(); index += 2) {
        system += parts[index] + L'\0' + SystemPattern(parts[index + 1]) + L'\0';
    }
    return system + L'\0';
}

std::vector<std::string> ChosenPaths(std::wstring_view buffer) {
    std::vector<std::wstring> names;
    while (!buffer.empty() && buffer.front() != L'\0') {
        const std::size_t end = buffer.find(L'\0');
        names.emplace_back(buffer.substr(0, end));
        buffer.remove_prefix(end == std::wstring_view::npos ? buffer.size() : end + 1);
    }
    std::vector<std::string> paths;
    if (names.size() == 1) {
        paths.push_back(win32::WideToUtf8(names.front()));
    }
    for (std::size_t index = 1; index < names.size(); ++index) {
        std::wstring folder = names.front();
        if (!folder.empty() && folder.back() != L'\\') {
            folder += L'\\';
        }
        paths.push_back(win32::WideToUtf8(folder + names[index]));
    }
    return paths;
}

std::vector<std::string> RunOpenFileDialog(HWND owner, const FileDialogRequest& request) {
    std::wstring buffer(kBufferCharacters, L'\0');
    const std::wstring filter = SystemFilter(request.filter);
    const std::wstring title = win32::Utf8ToWide(request.title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (request.multiSelect) {
        dialog.Flags |= OFN_ALLOWMULTISELECT;
    }
    if (GetOpenFileNameW(&dialog) == FALSE) {
        return {};
    }
    return ChosenPaths(buffer);
}

}  // namespace lanvane
