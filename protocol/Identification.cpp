#include <algorithm>
#include <cstdio>

#include "protocol/FieldText.h"
#include "protocol/Framing.h"

namespace lanvane {
namespace {

constexpr std::size_t kFirmwareVersionWidth = 16;
constexpr std::size_t kUpdateDateWidth = 32;

}  // namespace

std::string IdentificationData::MacText() const {
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2],
                  mac[3], mac[4], mac[5]);
    return text;
}

bool CheckSystemResponse(const std::uint8_t* frame, std::size_t n, IdentificationData& data) {
    data = IdentificationData{};
    if (n < kSystemResponseMinFrame || !IsFrameWithTag(frame, n, tag::kSysRsp)) {
        return false;
    }
    const std::uint8_t* fields = frame + kTagLength;
    data.firmwareVersion = TextFromField(fields, kFirmwareVersionWidth);
    data.updateDate = TextFromField(fields + kFirmwareVersionWidth, kUpdateDateWidth);
    std::copy_n(fields + kFirmwareVersionWidth + kUpdateDateWidth, data.mac.size(),
                data.mac.begin());
    return true;
}

}  // namespace lanvane
