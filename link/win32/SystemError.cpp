#include "link/win32/SystemError.h"

#include "platform/win32/WideText.h"

#include <winsock2.h>
#include <windows.h>

#include <utility>

namespace lanvane::win32 {
namespace {

LinkFailure KindOf(unsigned long errorCode) {
    switch (errorCode) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_BAD_NETPATH:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_UNIT:
        case ERROR_NOT_READY:
            return LinkFailure::NotFound;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_PIPE_BUSY:
        case ERROR_BUSY:
        case WSAEADDRINUSE:
        case WSAEACCES:
            return LinkFailure::Busy;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            return LinkFailure::PermissionDenied;
        case ERROR_INVALID_FUNCTION:
        case ERROR_NOT_SUPPORTED:
        case ERROR_DIRECTORY:
            return LinkFailure::NotADevice;
        case ERROR_TIMEOUT:
        case ERROR_SEM_TIMEOUT:
        case WSAETIMEDOUT:
            return LinkFailure::TimedOut;
        case WSAECONNREFUSED:
            return LinkFailure::Refused;
        default:
            return LinkFailure::IoError;
    }
}

std::string MessageOf(unsigned long errorCode) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        errorCode, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer != nullptr ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L'.')) {
        text.pop_back();
    }
    return text.empty() ? "system error " + std::to_string(errorCode) : WideToUtf8(text);
}

}  // namespace

LinkError SystemError(std::string operation, std::string target, unsigned long errorCode) {
    return LinkError{KindOf(errorCode), std::move(operation), std::move(target), MessageOf(errorCode)};
}

LinkError LastSystemError(std::string operation, std::string target) {
    return SystemError(std::move(operation), std::move(target), GetLastError());
}

}  // namespace lanvane::win32
