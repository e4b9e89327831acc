// Every decoder of the protocol core over one input, read as a reply link message, as a
// bare tag frame and as a bare record, with what must hold for any bytes.
#include <algorithm>
#include <array>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "protocol/AttentionMessage.h"
#include "protocol/Checksums.h"
#include "protocol/CommandTags.h"
#include "protocol/Identification.h"
#include "protocol/InterfaceConfig.h"
#include "protocol/LinkMessage.h"

namespace lanvane {
namespace {

bool RecordSurvivesReencoding(const InterfaceConfig& config) {
    std::array<std::uint8_t, kRecordSizeV2> record{};
    EncodeConfigRecord(config, record);
    return DecodeRecordBytes(record, config.version) == config;
}

bool IsCleared(const IdentificationData& data) {
    return data.firmwareVersion.empty() && data.updateDate.empty() &&
           std::all_of(data.mac.begin(), data.mac.end(), [](std::uint8_t b) { return b == 0; });
}

// Every decoder takes the frame at its exact size, so a read past its end is caught.
bool DecodeFrame(const std::vector<std::uint8_t>& frame) {
    for (int version : {1, 2}) {
        InterfaceConfig config;
        if (DecodeConfigRecord(frame, version, config) &&
            (config.version != version || !RecordSurvivesReencoding(config))) {
            return false;
        }
    }
    IdentificationData identification{"stale", "stale", {1, 2, 3, 4, 5, 6}};
    if (!CheckSystemResponse(frame, identification) && !IsCleared(identification)) {
        return false;
    }
    IsFrameWithTag(frame, tag::kIfSuc);
    IsAttentionReply(frame);
    return true;
}

bool DecodeBareRecord(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, kRecordSizeV2> record{};
    std::copy_n(data, std::min(size, record.size()), record.begin());
    return RecordSurvivesReencoding(DecodeRecordBytes(record, 1)) &&
           RecordSurvivesReencoding(DecodeRecordBytes(record, 2));
}

bool LinkMessageRoundTrips(const std::vector<std::uint8_t>& frame) {
    std::uint8_t message[kMessageBufferSize];
    const std::size_t size = BuildLinkMessage(frame, message);
    if (size == 0) {
        return frame.size() > (kMessageBufferSize - 4) / 2;
    }
    std::vector<std::uint8_t> again(frame.size());
    return DecodeLinkMessage(std::span(message).first(size), again) == frame.size() && again == frame;
}

bool TagFrameChecksToZero(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> frame(size + 3);
    const int length = BuildTagFrame(frame, {data, size});
    return length > 0 && Checksum16(std::span(frame).first(static_cast<std::size_t>(length))) == 0;
}

std::vector<std::uint8_t> DecodeInto(const std::uint8_t* data, std::size_t size,
                                     std::size_t capacity) {
    std::vector<std::uint8_t> frame(capacity);
    frame.resize(DecodeLinkMessage({data, size}, frame));
    return frame;
}

}  // namespace
}  // namespace lanvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lanvane;
    using fuzz::Check;
    const std::size_t expected = size < 3 ? 0 : std::min((size - 3) / 2, kMessageBufferSize);
    const std::vector<std::uint8_t> frame = DecodeInto(data, size, kMessageBufferSize);
    Check(frame.size() == expected, "a link message decodes to half its hex digits");
    const std::size_t smallCapacity = size % 97;
    const std::vector<std::uint8_t> cut = DecodeInto(data, size, smallCapacity);
    Check(cut.size() == std::min(expected, smallCapacity) && std::equal(cut.begin(), cut.end(), frame.begin()),
          "a smaller buffer holds the same bytes, cut");
    Check(DecodeFrame(frame) && DecodeFrame(std::vector<std::uint8_t>(data, data + size)),
          "every decoder of a frame keeps its properties");
    Check(DecodeBareRecord(data, size), "a bare record survives re-encoding");
    Check(LinkMessageRoundTrips(frame), "a frame survives its link message");
    Check(TagFrameChecksToZero(data, size), "a built tag frame checks to zero");
    return 0;
}
