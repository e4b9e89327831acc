#include "protocol/PrinterConfigReader.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <span>

#include "protocol/AttentionHandshake.h"
#include "protocol/CommandTags.h"
#include "protocol/LinkMessageTransfer.h"

namespace lanvane {
namespace {

constexpr std::chrono::milliseconds kIdentificationPause{200};

// The reply is one leading byte and the maker name up to a NUL, all within the buffer.
std::string MakerNameIn(const std::array<std::uint8_t, kIdentificationBufferSize>& reply) {
    const auto first = reply.begin() + 1;
    return std::string(first, std::find(first, reply.end(), std::uint8_t{0}));
}

// Sends a request that is a bare tag and receives the printer's answer.
std::optional<ReceivedFrame> Request(ByteChannel& channel, ExchangeBuffers& buffers,
                                     std::string_view requestTag, ReadOutcome& failure) {
    const auto size = PrepareLinkMessage(buffers, TagBytes(requestTag));
    if (size == 0) {
        failure = ReadOutcome::FrameBuildFailed;
        return std::nullopt;
    }
    channel.Write(std::span(buffers.message).first(size));
    auto received = ReceiveTagFrame(channel, buffers);
    if (!received) {
        failure = ReadOutcome::NoReply;
    }
    return received;
}

bool Attention(ByteChannel& channel, ExchangeBuffers& buffers) {
    buffers.reply.fill(0);
    return ExchangeAttention(channel, buffers.reply);
}

ReadOutcome ReadIdentification(ByteChannel& channel, ExchangeBuffers& buffers,
                               IdentificationData& identification) {
    if (!Attention(channel, buffers)) {
        return ReadOutcome::AttentionRefused;
    }
    ReadOutcome failure = ReadOutcome::NoReply;
    const auto received = Request(channel, buffers, tag::kSysReq, failure);
    if (!received) {
        return failure;
    }
    if (!CheckSystemResponse(std::span(buffers.reply).first(received->frameSize), identification)) {
        return ReadOutcome::SystemResponseRefused;
    }
    return ReadOutcome::Ok;
}

ReadOutcome ReadRecord(ByteChannel& channel, ExchangeBuffers& buffers, InterfaceConfig& config) {
    if (!Attention(channel, buffers)) {
        return ReadOutcome::AttentionRefused;
    }
    ReadOutcome failure = ReadOutcome::NoReply;
    const auto received = Request(channel, buffers, tag::kIfGet, failure);
    if (!received) {
        return failure;
    }
    const int version = RecordVersionForReply(received->messageSize);
    if (!DecodeConfigRecord(std::span(buffers.reply).first(received->frameSize), version, config)) {
        return ReadOutcome::RecordRefused;
    }
    config.version = version;
    return ReadOutcome::Ok;
}

}  // namespace

std::string ReadMakerName(ByteChannel& channel, const Sleeper& pause, int reads) {
    std::array<std::uint8_t, kIdentificationBufferSize> reply{};
    channel.Write(kIdentificationRequest);
    if (pause) {
        pause(kIdentificationPause);
    }
    std::size_t count = 0;
    if (!channel.ReadReply(ReplyKind::MakerName, reply, count) && reads > 1) {
        channel.ReadReply(ReplyKind::MakerName, reply, count);
    }
    return MakerNameIn(reply);
}

ConfigReadResult ReadIdentifiedPrinter(ByteChannel& channel, ExchangeBuffers& buffers) {
    ConfigReadResult result;
    result.makerName = kMakerName;
    result.outcome = ReadIdentification(channel, buffers, result.identification);
    if (result.outcome == ReadOutcome::Ok) {
        result.outcome = ReadRecord(channel, buffers, result.config);
    }
    return result;
}

ConfigReadResult ReadPrinterConfig(ByteChannel& channel, ExchangeBuffers& buffers,
                                   const Sleeper& pause) {
    const std::string makerName = ReadMakerName(channel, pause);
    if (makerName != kMakerName) {
        ConfigReadResult result;
        result.outcome = ReadOutcome::MakerNameMismatch;
        result.makerName = makerName;
        return result;
    }
    return ReadIdentifiedPrinter(channel, buffers);
}

}  // namespace lanvane
