#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/posix/TempDir.h"

namespace lanvane::test {

// A throw-away directory tree that stands in for /sys and /dev. Paths are relative to the
// root; missing parent directories are made.
class FakeTree {
public:
    const std::filesystem::path& Root() const { return dir_.Path(); }

    void MakeDirectory(const std::string& path) const { std::filesystem::create_directories(Root() / path); }
    void WriteFile(const std::string& path, const std::string& text) const {
        MakeDirectory(std::filesystem::path(path).parent_path());
        std::ofstream(Root() / path) << text;
    }
    void MakeLink(const std::string& path, const std::filesystem::path& target) const {
        MakeDirectory(std::filesystem::path(path).parent_path());
        std::filesystem::create_symlink(target, Root() / path);
    }
    // A usblp printer as sysfs and /dev show it, its node a link to `node`; returns the
    // node's path.
    std::string AddUsbPrinter(int number, const std::string& vendorId, const std::string& productId,
                              const std::filesystem::path& node) const {
        const std::string name = "lp" + std::to_string(number);
        const std::string usbDevice = "sys/devices/usb1/1-" + std::to_string(number);
        WriteFile(usbDevice + "/idVendor", vendorId + "\n");
        WriteFile(usbDevice + "/idProduct", productId + "\n");
        MakeDirectory(usbDevice + "/1-1:1.0");
        MakeLink("sys/class/usbmisc/" + name + "/device", Root() / usbDevice / "1-1:1.0");
        MakeLink("dev/usb/" + name, node);
        return (Root() / "dev/usb" / name).string();
    }

private:
    TempDir dir_;
};

}  // namespace lanvane::test
