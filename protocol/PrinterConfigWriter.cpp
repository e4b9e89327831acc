#include "protocol/PrinterConfigWriter.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "protocol/AttentionHandshake.h"
#include "protocol/Framing.h"
#include "protocol/LinkMessageTransfer.h"
#include "protocol/TagBytes.h"

namespace lanvane {
namespace {

// The tag and the encoded record, back to back, as the frame builder takes them.
std::size_t StageSetRequest(const InterfaceConfig& config,
                            std::uint8_t (&area)[kMessageBufferSize]) {
    std::fill(std::begin(area), std::end(area), std::uint8_t{0});
    std::copy_n(TagBytes(tag::kIfSet), kTagLength, std::begin(area));
    EncodeConfigRecord(config, area + kTagLength);
    return kTagLength + RecordSize(config.version);
}

}  // namespace

WriteOutcome WritePrinterConfig(ByteChannel& channel, ExchangeBuffers& buffers,
                                const InterfaceConfig& config) {
    buffers.reply[0] = 0;
    if (!ExchangeAttention(channel, buffers.reply, sizeof buffers.reply)) {
        return WriteOutcome::AttentionRefused;
    }
    const auto length = StageSetRequest(config, buffers.reply);
    const auto size = PrepareLinkMessage(buffers, buffers.reply, length);
    if (size == 0) {
        return WriteOutcome::FrameBuildFailed;
    }
    if (channel.Write(buffers.message, size) != size) {
        return WriteOutcome::WriteFailed;
    }
    const auto received = ReceiveTagFrame(channel, buffers);
    if (!received) {
        return WriteOutcome::NoReply;
    }
    if (!IsFrameWithTag(buffers.reply, received->frameSize, tag::kIfSuc)) {
        return WriteOutcome::AcknowledgementRefused;
    }
    return WriteOutcome::Ok;
}

}  // namespace lanvane
