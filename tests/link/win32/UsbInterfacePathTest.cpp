#include "link/win32/UsbInterfacePath.h"

#include <gtest/gtest.h>

namespace lanvane::win32 {
namespace {

TEST(UsbInterfacePathTest, IdsComeFromThePathInUpperCaseOrNotAtAll) {
    const struct {
        const char* path;
        const char* vendorId;  // nullptr: no ids
        const char* productId;
    } cases[] = {
        {"\\\\?\\usb#vid_04b8&pid_002b#5&1c2a3b4&0&2#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}", "04B8", "002B"},
        {"\\\\?\\USB#VID_0a5f&PID_00d1#ABC#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}", "0A5F", "00D1"},
        {"\\\\?\\usb#vid_04b8#5&1c2a3b4", nullptr, nullptr},
        {"\\\\?\\usb#vid_04g8&pid_002b#x", nullptr, nullptr},
        {"\\\\?\\usb#vid_04b8&pid_02", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<UsbIds> ids = UsbIdsOfInterfacePath(c.path);
        ASSERT_EQ(ids.has_value(), c.vendorId != nullptr) << c.path;
        if (ids) {
            EXPECT_EQ(ids->vendorId, c.vendorId);
            EXPECT_EQ(ids->productId, c.productId);
        }
    }
}

}  // namespace
}  // namespace lanvane::win32
