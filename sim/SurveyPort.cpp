#include "sim/SurveyPort.h"

#include <array>

#include "sim/SocketCalls.h"

namespace lanvane::sim {
namespace {

// The survey request is a tag frame without payload: 18 tag bytes and the checksum.
constexpr std::size_t kRequestSize = 20;
constexpr std::size_t kReadChunk = 4096;

}  // namespace

SurveyPort::SurveyPort(EventLoop& loop, SimulatedPrinter& printer, std::string address, std::uint16_t port)
    : loop_(loop), printer_(printer), address_(std::move(address)), port_(port) {}

SurveyPort::~SurveyPort() { Close(); }

bool SurveyPort::Open() {
    if (listener_ != kNoSocket) {
        return false;
    }
    listener_ = OpenListeningSocket(address_, port_, port_);
    if (listener_ == kNoSocket) {
        return false;
    }
    loop_.Watch(listener_, kReadable, [this](unsigned) { Accept(); });
    return true;
}

void SurveyPort::Close() {
    while (!connections_.empty()) {
        Drop(connections_.begin()->first);
    }
    if (listener_ != kNoSocket) {
        loop_.Forget(listener_);
        CloseSocket(listener_);
        listener_ = kNoSocket;
    }
}

void SurveyPort::Accept() {
    for (;;) {
        const NativeSocket socket = AcceptConnection(listener_);
        if (socket == kNoSocket) {
            return;
        }
        const std::uint64_t id = nextId_++;
        connections_[id] = Connection{socket, {}, {}, Clock::now(), Clock::now(), false};
        loop_.Watch(socket, kReadable, [this, id](unsigned events) { OnEvents(id, events); });
        loop_.After(kIdleLimit, [this, id] { CheckIdle(id); });
    }
}

void SurveyPort::OnEvents(std::uint64_t id, unsigned events) {
    const auto found = connections_.find(id);
    if (found == connections_.end()) {
        return;
    }
    Connection& connection = found->second;
    if ((events & kWritable) != 0) {
        Flush(id);
        return;
    }
    if (!Read(connection)) {
        Drop(id);
        return;
    }
    while (!connection.hangingUp && connection.input.size() >= kRequestSize) {
        const Bytes request(connection.input.begin(), connection.input.begin() + kRequestSize);
        connection.input.erase(connection.input.begin(), connection.input.begin() + kRequestSize);
        Answer(id, connection, request);
    }
}

// False when the peer hung up or the connection failed.
bool SurveyPort::Read(Connection& connection) {
    std::array<std::uint8_t, kReadChunk> buffer{};
    for (;;) {
        std::size_t count = 0;
        const Transfer received = ReceiveStream(connection.socket, buffer, count);
        if (received != Transfer::Done) {
            return received == Transfer::WouldBlock;
        }
        connection.input.insert(connection.input.end(), buffer.begin(), buffer.begin() + static_cast<long>(count));
        connection.lastHeard = Clock::now();
    }
}

// The bursts go out one after another, each after its delay from the one before, and
// after whatever this connection has planned already.
void SurveyPort::Answer(std::uint64_t id, Connection& connection, const Bytes& request) {
    const StreamAnswer answer = printer_.AnswerStream(request);
    connection.sendFrom = std::max(connection.sendFrom, Clock::now());
    for (const ReplyBurst& burst : answer.bursts) {
        connection.sendFrom += burst.delay;
        loop_.At(connection.sendFrom, [this, id, bytes = burst.bytes] { Queue(id, bytes); });
    }
    if (answer.hangUp) {
        connection.hangingUp = true;
        loop_.At(connection.sendFrom, [this, id] { HangUp(id); });
    }
}

void SurveyPort::Queue(std::uint64_t id, const Bytes& bytes) {
    const auto found = connections_.find(id);
    if (found != connections_.end()) {
        found->second.output.insert(found->second.output.end(), bytes.begin(), bytes.end());
        Flush(id);
    }
}

void SurveyPort::HangUp(std::uint64_t id) {
    const auto found = connections_.find(id);
    if (found != connections_.end() && found->second.output.empty()) {
        Drop(id);
    }
}

// Sends what the socket takes now and waits for room for the rest.
void SurveyPort::Flush(std::uint64_t id) {
    const auto found = connections_.find(id);
    if (found == connections_.end()) {
        return;
    }
    Connection& connection = found->second;
    while (!connection.output.empty()) {
        std::size_t count = 0;
        const Transfer sent = SendStream(connection.socket, connection.output, count);
        if (sent == Transfer::Failed) {
            Drop(id);
            return;
        }
        if (sent == Transfer::WouldBlock) {
            break;
        }
        connection.output.erase(connection.output.begin(), connection.output.begin() + static_cast<long>(count));
    }
    if (connection.output.empty() && connection.hangingUp && connection.sendFrom <= Clock::now()) {
        Drop(id);
        return;
    }
    const unsigned events = connection.output.empty() ? kReadable : kReadable | kWritable;
    loop_.Watch(connection.socket, events, [this, id](unsigned fired) { OnEvents(id, fired); });
}

void SurveyPort::CheckIdle(std::uint64_t id) {
    const auto found = connections_.find(id);
    if (found == connections_.end()) {
        return;
    }
    const Clock::time_point limit = found->second.lastHeard + kIdleLimit;
    if (limit <= Clock::now()) {
        Drop(id);
    } else {
        loop_.At(limit, [this, id] { CheckIdle(id); });
    }
}

void SurveyPort::Drop(std::uint64_t id) {
    const auto found = connections_.find(id);
    if (found == connections_.end()) {
        return;
    }
    loop_.Forget(found->second.socket);
    CloseSocket(found->second.socket);
    connections_.erase(found);
}

}  // namespace lanvane::sim
