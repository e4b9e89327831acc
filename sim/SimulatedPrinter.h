#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "sim/Bytes.h"
#include "sim/CertificateReceiver.h"
#include "sim/FaultPlan.h"
#include "sim/MessageSplitter.h"
#include "sim/PrinterState.h"
#include "sim/Reply.h"
#include "sim/ReplyBurst.h"
#include "sim/RequestKind.h"

namespace lanvane::sim {

// One request as the printer took it, for tests that check what reached the printer.
struct HandledRequest {
    RequestKind kind = RequestKind::Unknown;
    bool answered = false;
    std::uint32_t chunkOffset = 0;  // certificate chunks only
    std::uint32_t chunkLength = 0;

    bool operator==(const HandledRequest&) const = default;
};

// What the TCP survey port does with one request.
struct StreamAnswer {
    std::vector<ReplyBurst> bursts;
    bool hangUp = false;
};

// The printer's side of the channel and of the TCP survey port: takes the bytes written to
// it, answers each whole message, keeps its state and applies the planned faults.
// Safe to use from a server thread and a test thread at once.
class SimulatedPrinter {
public:
    explicit SimulatedPrinter(PrinterState state = DefaultPrinterState(), FaultPlan faults = {});

    // Bytes written to the printer channel; returns the bursts of every message they complete.
    std::vector<ReplyBurst> Receive(const std::uint8_t* data, std::size_t length);
    std::vector<ReplyBurst> Receive(const Bytes& data) { return Receive(data.data(), data.size()); }

    // One request received on the TCP survey port (a raw tag frame).
    StreamAnswer AnswerStream(const Bytes& request);

    // True once the planned disconnect has happened; the channel then takes nothing more.
    bool Disconnected() const;

    PrinterState State() const;
    void SetState(PrinterState state);
    void SetFaults(FaultPlan faults);  // also restarts the refusal counts
    std::vector<HandledRequest> History() const;

private:
    struct Request {
        RequestKind kind = RequestKind::Unknown;
        Bytes frame;  // decoded tag frame of a link message
        std::optional<CertificateChunk> chunk;
    };

    std::vector<ReplyBurst> Handle(const PrinterMessage& message);
    Request Classify(const PrinterMessage& message) const;
    std::optional<Reply> Answer(const Request& request, const PrinterMessage& message);
    Reply AnswerIdentification() const;
    std::optional<Reply> AnswerAttention(std::uint8_t selector);
    Reply AnswerSystemRequest() const;
    Reply AnswerConfigGet() const;
    Reply AnswerConfigSet(const Bytes& frame);
    Reply AnswerBssRequest(Reply::Form form) const;
    Reply AnswerChunk(const CertificateChunk& chunk);
    void Remember(const Request& request, bool answered);

    mutable std::mutex mutex_;
    PrinterState state_;
    FaultPlan faults_;
    int startRefusalsLeft_ = 0;
    int chunkRefusalsLeft_ = 0;
    int messagesTaken_ = 0;
    bool disconnected_ = false;
    MessageSplitter splitter_;
    CertificateReceiver certificates_;
    std::vector<HandledRequest> history_;
};

}  // namespace lanvane::sim
