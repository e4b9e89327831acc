#include "sim/posix/SurveyPort.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace lanvane::sim {
namespace {

// The survey request is a tag frame without payload: 18 tag bytes and the checksum.
constexpr std::size_t kRequestSize = 20;
constexpr std::size_t kReadChunk = 4096;
constexpr int kBacklog = 16;

}  // namespace

SurveyPort::SurveyPort(EventLoop& loop, SimulatedPrinter& printer, std::string address, std::uint16_t port)
    : loop_(loop), printer_(printer), address_(std::move(address)), port_(port) {}

SurveyPort::~SurveyPort() { Close(); }

bool SurveyPort::Open() {
    if (listener_ >= 0 || !Listen()) {
        return false;
    }
    loop_.Watch(listener_, POLLIN, [this](short) { Accept(); });
    return true;
}

void SurveyPort::Close() {
    while (!connections_.empty()) {
        Drop(connections_.begin()->first);
    }
    if (listener_ >= 0) {
        loop_.Forget(listener_);
        close(listener_);
        listener_ = -1;
    }
}

bool SurveyPort::Listen() {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port_);
    if (inet_pton(AF_INET, address_.c_str(), &local.sin_addr) != 1) {
        return false;
    }
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const int reuse = 1;
    socklen_t length = sizeof(local);
    if (listener_ < 0 || setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof(reuse)) != 0 ||
        bind(listener_, reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0 ||
        listen(listener_, kBacklog) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&local), &length) != 0) {
        if (listener_ >= 0) {
            close(listener_);
            listener_ = -1;
        }
        return false;
    }
    port_ = ntohs(local.sin_port);
    return true;
}

void SurveyPort::Accept() {
    for (;;) {
        const int fd = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            return;
        }
        const std::uint64_t id = nextId_++;
        connections_[id] = Connection{fd, {}, {}, Clock::now(), Clock::now(), false};
        loop_.Watch(fd, POLLIN, [this, id](short events) { OnEvents(id, events); });
        loop_.After(kIdleLimit, [this, id] { CheckIdle(id); });
    }
}

void SurveyPort::OnEvents(std::uint64_t id, short events) {
    const auto found = connections_.find(id);
    if (found == connections_.end()) {
        return;
    }
    Connection& connection = found->second;
    if ((events & POLLOUT) != 0) {
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
        const ssize_t received = recv(connection.fd, buffer.data(), buffer.size(), 0);
        if (received > 0) {
            connection.input.insert(connection.input.end(), buffer.begin(), buffer.begin() + received);
            connection.lastHeard = Clock::now();
            continue;
        }
        return received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR);
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
        // MSG_NOSIGNAL: a client that hung up must not kill the process with SIGPIPE.
        const ssize_t sent = send(connection.fd, connection.output.data(), connection.output.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            Drop(id);
            return;
        }
        if (sent < 0) {
            break;
        }
        connection.output.erase(connection.output.begin(), connection.output.begin() + sent);
    }
    if (connection.output.empty() && connection.hangingUp && connection.sendFrom <= Clock::now()) {
        Drop(id);
        return;
    }
    const short events = connection.output.empty() ? POLLIN : POLLIN | POLLOUT;
    loop_.Watch(connection.fd, events, [this, id](short fired) { OnEvents(id, fired); });
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
    loop_.Forget(found->second.fd);
    close(found->second.fd);
    connections_.erase(found);
}

}  // namespace lanvane::sim
