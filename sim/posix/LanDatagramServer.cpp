#include "sim/posix/LanDatagramServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace lanvane::sim {
namespace {

// The printer reads at most this much of a datagram; its requests are far shorter.
constexpr std::size_t kReadSize = 512;

bool Share(int socket) {
    const int on = 1;
    return setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) == 0;
}

}  // namespace

LanDatagramServer::LanDatagramServer(LanPrinterResponder& responder, std::uint16_t port, std::uint16_t replyPort)
    : responder_(responder), port_(port), replyPort_(replyPort) {}

LanDatagramServer::~LanDatagramServer() { Stop(); }

bool LanDatagramServer::Start() {
    if (thread_.joinable() || !stop_.Valid() || !Bind()) {
        return false;
    }
    thread_ = std::thread([this] { Serve(); });
    return true;
}

void LanDatagramServer::Stop() {
    stop_.Raise();
    if (thread_.joinable()) {
        thread_.join();
    }
    if (socket_ >= 0) {
        close(socket_);
        socket_ = -1;
    }
}

// A free port is taken alone (so it cannot land on a port someone shares already) and
// shared afterwards; a named port is shared from the start.
bool LanDatagramServer::Bind() {
    socket_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(port_);
    socklen_t size = sizeof local;
    const bool bound = socket_ >= 0 && (port_ == 0 || Share(socket_)) &&
                       bind(socket_, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0 &&
                       (port_ != 0 || Share(socket_)) &&
                       getsockname(socket_, reinterpret_cast<sockaddr*>(&local), &size) == 0;
    if (!bound) {
        if (socket_ >= 0) {
            close(socket_);
            socket_ = -1;
        }
        return false;
    }
    port_ = ntohs(local.sin_port);
    return true;
}

void LanDatagramServer::Serve() {
    std::array<std::uint8_t, kReadSize> buffer{};
    pollfd waited[2] = {{socket_, POLLIN, 0}, {stop_.Fd(), POLLIN, 0}};
    for (;;) {
        const int ready = poll(waited, 2, -1);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0 || (waited[1].revents & POLLIN) != 0) {
            return;
        }
        sockaddr_in sender{};
        socklen_t senderSize = sizeof sender;
        const ssize_t received = recvfrom(socket_, buffer.data(), buffer.size(), 0,
                                          reinterpret_cast<sockaddr*>(&sender), &senderSize);
        if (received < 0) {
            continue;
        }
        const auto bursts = responder_.Answer({buffer.data(), static_cast<std::size_t>(received)});
        Reply(bursts, sender);
    }
}

void LanDatagramServer::Reply(const std::vector<ReplyBurst>& bursts, sockaddr_in target) {
    if (replyPort_ != 0) {
        target.sin_port = htons(replyPort_);
    }
    for (const ReplyBurst& burst : bursts) {
        if (stop_.WaitFor(burst.delay)) {
            return;
        }
        sendto(socket_, burst.bytes.data(), burst.bytes.size(), 0, reinterpret_cast<const sockaddr*>(&target),
               sizeof target);
    }
}

}  // namespace lanvane::sim
