#include "sim/posix/BssTcpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "sim/posix/DescriptorWriter.h"

namespace lanvane::sim {
namespace {

// The survey request is a tag frame without payload: 18 tag bytes and the checksum.
constexpr std::size_t kRequestSize = 20;
constexpr std::size_t kReadChunk = 4096;

}  // namespace

BssTcpServer::BssTcpServer(SimulatedPrinter& printer, std::string address, std::uint16_t port)
    : printer_(printer), address_(std::move(address)), port_(port) {}

BssTcpServer::~BssTcpServer() { Stop(); }

bool BssTcpServer::Start() {
    if (thread_.joinable() || !stop_.Valid() || !Listen()) {
        return false;
    }
    thread_ = std::thread([this] { Serve(); });
    return true;
}

void BssTcpServer::Stop() {
    stop_.Raise();
    if (thread_.joinable()) {
        thread_.join();
    }
    if (listener_ >= 0) {
        close(listener_);
        listener_ = -1;
    }
}

bool BssTcpServer::Listen() {
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
        listen(listener_, 4) != 0 ||
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

void BssTcpServer::Serve() {
    while (WaitReadable(listener_, std::chrono::milliseconds(-1))) {
        const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection >= 0) {
            ServeConnection(connection);
            close(connection);
        }
    }
}

void BssTcpServer::ServeConnection(int connection) {
    const DescriptorWriter writer(connection, DescriptorWriter::Kind::Socket, stop_);
    Bytes pending;
    std::array<std::uint8_t, kReadChunk> buffer{};
    while (WaitReadable(connection, kIdleLimit)) {
        const ssize_t received = recv(connection, buffer.data(), buffer.size(), 0);
        if (received < 0 && (errno == EAGAIN || errno == EINTR)) {
            continue;
        }
        if (received <= 0) {
            return;
        }
        pending.insert(pending.end(), buffer.begin(), buffer.begin() + received);
        while (pending.size() >= kRequestSize) {
            const Bytes request(pending.begin(), pending.begin() + kRequestSize);
            pending.erase(pending.begin(), pending.begin() + kRequestSize);
            const StreamAnswer answer = printer_.AnswerStream(request);
            if (!writer.SendBursts(answer.bursts) || answer.hangUp) {
                return;
            }
        }
    }
}

bool BssTcpServer::WaitReadable(int fd, std::chrono::milliseconds limit) const {
    pollfd waited[2] = {{fd, POLLIN, 0}, {stop_.Fd(), POLLIN, 0}};
    for (;;) {
        const int result = poll(waited, 2, static_cast<int>(limit.count()));
        if (result < 0 && errno == EINTR) {
            continue;
        }
        return result > 0 && (waited[1].revents & POLLIN) == 0 && waited[0].revents != 0;
    }
}

}  // namespace lanvane::sim
