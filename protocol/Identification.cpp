#include "protocol/Identification.h"

#include <algorithm>

#include "protocol/Checksums.h"
#include "protocol/FieldText.h"

namespace lanvane {
namespace {

constexpr std::size_t kFirmwareVersionWidth = 16;
constexpr std::size_t kUpdateDateWidth = 32;

}  // namespace

bool CheckSystemResponse(std::span<const std::uint8_t> frame, IdentificationData& data) {
    data = IdentificationData{};
    if (frame.size() < kSystemResponseMinFrame || !IsFrameWithTag(frame, tag::kSysRsp)) {
        return false;
    }
    const auto fields = frame.subspan(kTagLength);
    data.firmwareVersion = TextFromField(fields.first(kFirmwareVersionWidth));
    data.updateDate = TextFromField(fields.subspan(kFirmwareVersionWidth, kUpdateDateWidth));
    const auto mac = fields.subspan(kFirmwareVersionWidth + kUpdateDateWidth, data.mac.size());
    std::copy(mac.begin(), mac.end(), data.mac.begin());
    return true;
}

}  // namespace lanvane
