#include "protocol/PrinterConfigWriter.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "protocol/AttentionHandshake.h"
#include "protocol/Checksums.h"
#include "protocol/CommandTags.h"
#include "protocol/LinkMessage.h"
#include "protocol/LinkMessageTransfer.h"

namespace lanvane {
namespace {

// The tag and the encoded record, back to back, as the frame builder takes them.
std::span<const std::uint8_t> StageSetRequest(const InterfaceConfig& config, std::span<std::uint8_t> request) {
    std::fill(request.begin(), request.end(), std::uint8_t{0});
    const auto tagBytes = TagBytes(tag::kIfSet);
    std::copy(tagBytes.begin(), tagBytes.end(), request.begin());
    EncodeConfigRecord(config, request.subspan(kTagLength));
    return request.first(kTagLength + RecordSize(config.version));
}

}  // namespace

WriteOutcome WritePrinterConfig(ByteChannel& channel, ExchangeBuffers& buffers,
                                const InterfaceConfig& config) {
    buffers.reply[0] = 0;
    if (!ExchangeAttention(channel, buffers.reply)) {
        return WriteOutcome::AttentionRefused;
    }
    const auto size = PrepareLinkMessage(buffers, StageSetRequest(config, buffers.request));
    if (size == 0) {
        return WriteOutcome::FrameBuildFailed;
    }
    if (channel.Write(std::span(buffers.message).first(size)) != size) {
        return WriteOutcome::WriteFailed;
    }
    const auto received = ReceiveTagFrame(channel, buffers);
    if (!received) {
        return WriteOutcome::NoReply;
    }
    if (!IsFrameWithTag(std::span(buffers.reply).first(received->frameSize), tag::kIfSuc)) {
        return WriteOutcome::AcknowledgementRefused;
    }
    return WriteOutcome::Ok;
}

}  // namespace lanvane
