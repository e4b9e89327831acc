#include "sim/SimulatedPrinter.h"

#include <algorithm>
#include <string_view>

#include "sim/ReplyShaper.h"
#include "sim/SimRecordLayout.h"
#include "sim/SimWireCodec.h"
#include "sim/WireConstants.h"

namespace lanvane::sim {
namespace {

constexpr std::size_t kFirmwareVersionWidth = 16;
constexpr std::size_t kUpdateDateWidth = 32;

std::string_view TagOf(const Bytes& frame) {
    if (frame.size() < wire::kTagSize) {
        return {};
    }
    return {reinterpret_cast<const char*>(frame.data()), wire::kTagSize};
}

RequestKind KindOfFrame(const Bytes& frame) {
    const std::string_view tag = TagOf(frame);
    if (tag == tags::kCertificateChunk || tag == tags::kCertificateEnd) {
        return RequestKind::CertificateChunk;
    }
    if (!FrameChecksumHolds(frame)) {
        return RequestKind::Unknown;
    }
    if (tag == tags::kSystemRequest) {
        return RequestKind::SystemRequest;
    }
    if (tag == tags::kConfigGet) {
        return RequestKind::ConfigGet;
    }
    if (tag == tags::kConfigSet) {
        return RequestKind::ConfigSet;
    }
    if (tag == tags::kBssRequest) {
        return RequestKind::BssRequest;
    }
    return RequestKind::Unknown;
}

std::optional<int> CertificateKindOf(std::uint8_t selector) {
    const int kind = selector - wire::kFirstCertificateSelector + 1;
    if (kind >= 1 && kind <= wire::kCertificateKinds) {
        return kind;
    }
    return std::nullopt;
}

void AppendPadded(Bytes& out, const std::string& text, std::size_t width) {
    const std::size_t copied = std::min(text.size(), width);
    out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(copied));
    out.insert(out.end(), width - copied, 0);
}

Bytes PrefixedText(std::string_view text) {
    Bytes message(std::begin(wire::kReplyPrefix), std::end(wire::kReplyPrefix));
    AppendText(message, text);
    message.push_back(wire::kTerminator);
    return message;
}

}  // namespace

SimulatedPrinter::SimulatedPrinter(PrinterState state, FaultPlan faults)
    : state_(std::move(state)) {
    SetFaults(std::move(faults));
}

std::vector<ReplyBurst> SimulatedPrinter::Receive(const std::uint8_t* data, std::size_t length) {
    std::lock_guard lock(mutex_);
    splitter_.Feed(data, length);
    std::vector<ReplyBurst> bursts;
    while (auto message = splitter_.Next()) {
        for (ReplyBurst& burst : Handle(*message)) {
            bursts.push_back(std::move(burst));
        }
    }
    return bursts;
}

StreamAnswer SimulatedPrinter::AnswerStream(const Bytes& request) {
    std::lock_guard lock(mutex_);
    const Request taken{KindOfFrame(request), request, std::nullopt};
    if (faults_.closeStreamWithoutAnswer || taken.kind != RequestKind::BssRequest) {
        Remember(taken, false);
        return {{}, true};
    }
    if (faults_.Silences(taken.kind)) {
        Remember(taken, false);
        return {};
    }
    Remember(taken, true);
    return {ReplyShaper::ForStream(AnswerBssRequest(Reply::Form::RawFrame), faults_), false};
}

bool SimulatedPrinter::Disconnected() const {
    std::lock_guard lock(mutex_);
    return disconnected_;
}

PrinterState SimulatedPrinter::State() const {
    std::lock_guard lock(mutex_);
    return state_;
}

void SimulatedPrinter::SetState(PrinterState state) {
    std::lock_guard lock(mutex_);
    state_ = std::move(state);
}

void SimulatedPrinter::SetFaults(FaultPlan faults) {
    std::lock_guard lock(mutex_);
    faults_ = std::move(faults);
    startRefusalsLeft_ = faults_.refuseStart;
    chunkRefusalsLeft_ = faults_.refuseChunk;
}

std::vector<HandledRequest> SimulatedPrinter::History() const {
    std::lock_guard lock(mutex_);
    return history_;
}

std::vector<ReplyBurst> SimulatedPrinter::Handle(const PrinterMessage& message) {
    const Request request = Classify(message);
    if (disconnected_) {
        Remember(request, false);
        return {};
    }
    ++messagesTaken_;
    std::optional<Reply> reply;
    if (!faults_.Silences(request.kind)) {
        reply = Answer(request, message);
    }
    Remember(request, reply.has_value());
    disconnected_ = faults_.disconnectAfter && messagesTaken_ >= *faults_.disconnectAfter;
    if (!reply) {
        return {};
    }
    return ReplyShaper::ForChannel(*reply, faults_);
}

SimulatedPrinter::Request SimulatedPrinter::Classify(const PrinterMessage& message) const {
    Request request;
    switch (message.kind) {
        case MessageKind::Identification:
            request.kind = RequestKind::Identification;
            break;
        case MessageKind::Attention:
            request.kind = CertificateKindOf(message.bytes[3]) ? RequestKind::CertificateAnnouncement
                                                                : RequestKind::Attention;
            break;
        case MessageKind::Link:
            request.frame = DecodeHex(message.bytes.data() + std::size(wire::kRequestPrefix),
                                      message.bytes.size() - std::size(wire::kRequestPrefix) - 1);
            request.kind = KindOfFrame(request.frame);
            if (request.kind == RequestKind::CertificateChunk) {
                request.chunk = ParseCertificateChunk(request.frame);
            }
            break;
    }
    return request;
}

std::optional<Reply> SimulatedPrinter::Answer(const Request& request, const PrinterMessage& message) {
    switch (request.kind) {
        case RequestKind::Identification:
            return AnswerIdentification();
        case RequestKind::Attention:
        case RequestKind::CertificateAnnouncement:
            return AnswerAttention(message.bytes[3]);
        case RequestKind::SystemRequest:
            return AnswerSystemRequest();
        case RequestKind::ConfigGet:
            return AnswerConfigGet();
        case RequestKind::ConfigSet:
            return AnswerConfigSet(request.frame);
        case RequestKind::BssRequest:
            return AnswerBssRequest(Reply::Form::LinkFrame);
        case RequestKind::CertificateChunk:
            if (!request.chunk) {
                return Reply::Tag(tags::kError);
            }
            return AnswerChunk(*request.chunk);
        case RequestKind::Unknown:
            break;
    }
    return std::nullopt;
}

Reply SimulatedPrinter::AnswerIdentification() const {
    Bytes reply{wire::kIdentificationHeader};
    AppendText(reply, faults_.wrongMakerName ? FaultPlan::kWrongMakerName : state_.makerName);
    reply.push_back(0);
    return Reply::Plain(std::move(reply));
}

std::optional<Reply> SimulatedPrinter::AnswerAttention(std::uint8_t selector) {
    if (selector == wire::kConfigSelector) {
        Bytes reply(std::begin(wire::kReplyPrefix), std::end(wire::kReplyPrefix));
        reply.insert(reply.end(), {selector, wire::kGroupSeparator, wire::kUnitSeparator, wire::kTerminator});
        return Reply::Plain(std::move(reply));
    }
    const std::optional<int> kind = CertificateKindOf(selector);
    if (!kind) {
        return std::nullopt;
    }
    if (startRefusalsLeft_ > 0) {
        --startRefusalsLeft_;
        return Reply::Plain(PrefixedText(wire::kBusyReply));
    }
    certificates_.Begin(*kind, state_.certificates);
    return Reply::Plain(PrefixedText(wire::kStartReply));
}

Reply SimulatedPrinter::AnswerSystemRequest() const {
    Bytes payload;
    AppendPadded(payload, state_.identity.firmwareVersion, kFirmwareVersionWidth);
    AppendPadded(payload, state_.identity.updateDate, kUpdateDateWidth);
    payload.insert(payload.end(), state_.identity.mac.begin(), state_.identity.mac.end());
    return Reply::Frame(Reply::Form::LinkFrame, tags::kSystemResponse, payload);
}

Reply SimulatedPrinter::AnswerConfigGet() const {
    return Reply::Frame(Reply::Form::LinkFrame, tags::kConfigCurrent,
                        SimRecordLayout::Encode(state_.record));
}

Reply SimulatedPrinter::AnswerConfigSet(const Bytes& frame) {
    const std::size_t framing = wire::kTagSize + wire::kChecksumSize;
    const std::optional<int> layout =
        frame.size() < framing ? std::nullopt : SimRecordLayout::LayoutForPayload(frame.size() - framing);
    if (!layout) {
        return Reply::Frame(Reply::Form::LinkFrame, tags::kError, {});
    }
    state_.record = SimRecordLayout::Decode(frame.data() + wire::kTagSize, *layout);
    return Reply::Frame(Reply::Form::LinkFrame, tags::kSuccess, {});
}

Reply SimulatedPrinter::AnswerBssRequest(Reply::Form form) const {
    return Reply::Frame(form, tags::kBssResponse, EncodeBssRecords(state_.networks));
}

Reply SimulatedPrinter::AnswerChunk(const CertificateChunk& chunk) {
    if (chunkRefusalsLeft_ > 0) {
        --chunkRefusalsLeft_;
        return Reply::Tag(tags::kError);
    }
    return Reply::Tag(certificates_.Accept(chunk, state_.certificates) ? tags::kSuccess : tags::kError);
}

void SimulatedPrinter::Remember(const Request& request, bool answered) {
    HandledRequest handled{request.kind, answered, 0, 0};
    if (request.chunk) {
        handled.chunkOffset = request.chunk->offset;
        handled.chunkLength = request.chunk->length;
    }
    history_.push_back(handled);
}

}  // namespace lanvane::sim
