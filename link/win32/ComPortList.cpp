#include "link/ComPortList.h"

#include "link/NaturalOrder.h"
#include "platform/win32/WideText.h"

#include <windows.h>

#include <algorithm>

namespace lanvane {
namespace {

// Every serial port driver names its ports (COM1, COM3, ...) under this key.
constexpr const wchar_t* kSerialPortsKey = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";

}  // namespace

// Windows keeps no device tree in files, so the system root has no part here.
std::vector<std::string> ListComPorts(const std::filesystem::path&) {
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSerialPortsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return names;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t valueName[256];
        DWORD valueNameLength = ARRAYSIZE(valueName);
        wchar_t port[64] = {};
        DWORD portBytes = sizeof port - sizeof(wchar_t);
        DWORD type = 0;
        const LSTATUS status = RegEnumValueW(key, index, valueName, &valueNameLength, nullptr, &type,
                                             reinterpret_cast<BYTE*>(port), &portBytes);
        if (status == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (status == ERROR_SUCCESS && type == REG_SZ && port[0] != L'\0') {
            names.push_back(win32::WideToUtf8(port));
        }
    }
    RegCloseKey(key);
    std::sort(names.begin(), names.end(), [](const std::string& left, const std::string& right) {
        return NaturalLess(left, right);
    });
    return names;
}

// The device namespace reaches every port, COM10 and above included.
std::string ComPortPath(const std::string& name) {
    return "\\\\.\\" + name;
}

}  // namespace lanvane
