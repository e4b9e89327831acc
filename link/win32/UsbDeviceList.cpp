#include "link/UsbDeviceList.h"

#include "link/win32/ExclusiveDevice.h"
#include "link/win32/UsbInterfacePath.h"
#include "platform/win32/WideText.h"

#include <windows.h>
#include <setupapi.h>

#include <vector>

namespace lanvane {
namespace {

// The device interface class of USB printers (usbprint.sys).
constexpr GUID kUsbPrintInterface = {0x28d78fad, 0x5a12, 0x11d1, {0xae, 0x5b, 0x00, 0x00, 0xf8, 0x03, 0xa8, 0xc2}};

std::string InterfacePath(HDEVINFO devices, SP_DEVICE_INTERFACE_DATA& interfaceData) {
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailW(devices, &interfaceData, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
        return {};
    }
    std::vector<std::uint8_t> storage(size);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!SetupDiGetDeviceInterfaceDetailW(devices, &interfaceData, detail, size, nullptr, nullptr)) {
        return {};
    }
    return win32::WideToUtf8(detail->DevicePath);
}

// The interface paths of the USB printers present now, in the system's order.
std::vector<std::string> UsbPrinterInterfacePaths() {
    std::vector<std::string> paths;
    HDEVINFO devices = SetupDiGetClassDevsW(&kUsbPrintInterface, nullptr, nullptr,
                                            DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (devices == INVALID_HANDLE_VALUE) {
        return paths;
    }
    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof interfaceData;
    for (DWORD index = 0; SetupDiEnumDeviceInterfaces(devices, nullptr, &kUsbPrintInterface, index, &interfaceData);
         ++index) {
        if (std::string path = InterfacePath(devices, interfaceData); !path.empty()) {
            paths.push_back(std::move(path));
        }
    }
    SetupDiDestroyDeviceInfoList(devices);
    return paths;
}

// What keeps the device from being opened now; None when it is free.
LinkFailure OpenFailureOf(const std::string& path) {
    LinkError error;
    const NativeHandle handle = win32::OpenExclusive(path, win32::DeviceIo::Overlapped, error);
    if (handle == kNoHandle) {
        return error.Failed() ? error.kind : LinkFailure::IoError;
    }
    win32::CloseExclusive(handle);
    return LinkFailure::None;
}

}  // namespace

// Windows keeps no device tree in files: the roots have no part here.
std::size_t CUsbDeviceList::Refresh() {
    Clear();
    for (std::string& path : UsbPrinterInterfacePaths()) {
        std::optional<win32::UsbIds> ids = win32::UsbIdsOfInterfacePath(path);
        if (!ids) {
            continue;
        }
        const LinkFailure openFailure = OpenFailureOf(path);
        if (openFailure == LinkFailure::None || listing_ == UsbListing::EveryPresent) {
            Add(std::move(path), std::move(ids->vendorId), std::move(ids->productId), openFailure);
        }
    }
    return Count();
}

}  // namespace lanvane
