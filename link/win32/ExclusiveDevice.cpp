#include "link/win32/ExclusiveDevice.h"

#include "link/win32/SystemError.h"
#include "platform/win32/WideText.h"

#include <windows.h>

#include <array>
#include <atomic>

namespace lanvane::win32 {
namespace {

// A handle slot that is free, or being filled in.
const HANDLE kFree = nullptr;
const HANDLE kFilling = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-2));

// A device this process holds, with what its close must put back. The handle is published
// last and taken back with one compare-and-swap, so that the control handler and a close
// never both release it.
struct HeldDevice {
    std::atomic<HANDLE> handle{kFree};
    bool settingsKept = false;
    DCB settings{};
};

// A program holds one printer device at a time; a few slots leave room for tests.
std::array<HeldDevice, 8> heldDevices;

void Hold(HANDLE handle, DeviceIo io) {
    for (HeldDevice& held : heldDevices) {
        HANDLE expected = kFree;
        if (!held.handle.compare_exchange_strong(expected, kFilling)) {
            continue;
        }
        held.settings = DCB{};
        held.settings.DCBlength = sizeof held.settings;
        held.settingsKept = io == DeviceIo::Serial && GetCommState(handle, &held.settings) != 0;
        held.handle.store(handle);
        return;
    }
}

void PutBackAndClose(HANDLE handle, HeldDevice& held) {
    CancelIoEx(handle, nullptr);
    if (held.settingsKept) {
        SetCommState(handle, &held.settings);
    }
    CloseHandle(handle);
}

// Opening a folder fails as access denied, which would send the user to an administrator.
bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

NativeHandle OpenExclusive(const std::string& path, DeviceIo io, LinkError& error) {
    const DWORD flags = io == DeviceIo::Overlapped ? FILE_FLAG_OVERLAPPED : FILE_ATTRIBUTE_NORMAL;
    // No sharing: a second open, here or elsewhere, fails while this one lasts.
    const std::wstring widePath = Utf8ToWide(path);
    HANDLE handle = CreateFileW(widePath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, flags,
                                nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        // Taken first: asking about the folder sets the thread's last error anew.
        const LinkError openError = LastSystemError("open", path);
        error = IsFolder(widePath) ? LinkError{LinkFailure::NotADevice, "open", path, "a folder, not a device"}
                                   : openError;
        return kNoHandle;
    }
    if (GetFileType(handle) == FILE_TYPE_DISK) {
        CloseHandle(handle);
        error = LinkError{LinkFailure::NotADevice, "open", path, "a file, not a device"};
        return kNoHandle;
    }
    Hold(handle, io);
    return handle;
}

void CloseExclusive(NativeHandle handle) {
    for (HeldDevice& held : heldDevices) {
        HANDLE expected = handle;
        if (held.handle.load() == handle && held.handle.compare_exchange_strong(expected, kFilling)) {
            PutBackAndClose(handle, held);
            held.handle.store(kFree);
            return;
        }
    }
    CloseHandle(handle);
}

void ReleaseHeldDevices() {
    for (HeldDevice& held : heldDevices) {
        HANDLE handle = held.handle.load();
        if (handle != kFree && handle != kFilling && held.handle.compare_exchange_strong(handle, kFilling)) {
            PutBackAndClose(handle, held);
            held.handle.store(kFree);
        }
    }
}

}  // namespace lanvane::win32
