#include "sim/posix/LanDatagramPort.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace lanvane::sim {
namespace {

// The printer reads at most this much of a datagram; its requests are far shorter.
constexpr std::size_t kReadSize = 512;
// Datagrams taken per wake-up, so that delayed replies due meanwhile are not held up long.
constexpr int kDatagramsPerTurn = 64;
constexpr int kSendAttempts = 20;
constexpr std::chrono::milliseconds kRetryGap{2};

bool Share(int socket) {
    const int on = 1;
    return setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) == 0;
}

}  // namespace

LanDatagramPort::LanDatagramPort(EventLoop& loop, std::vector<LanPrinterResponder*> printers, std::uint16_t port,
                                 std::uint16_t replyPort)
    : loop_(loop), printers_(std::move(printers)), port_(port), replyPort_(replyPort) {}

LanDatagramPort::~LanDatagramPort() { Close(); }

void LanDatagramPort::Close() {
    if (socket_ >= 0) {
        loop_.Forget(socket_);
        close(socket_);
        socket_ = -1;
    }
}

bool LanDatagramPort::Open() {
    if (socket_ >= 0 || !Bind()) {
        return false;
    }
    loop_.Watch(socket_, POLLIN, [this](short) { Drain(); });
    return true;
}

// A free port is taken alone (so it cannot land on a port someone shares already) and
// shared afterwards; a named port is shared from the start.
bool LanDatagramPort::Bind() {
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

void LanDatagramPort::Drain() {
    std::array<std::uint8_t, kReadSize> buffer{};
    for (int taken = 0; taken < kDatagramsPerTurn; ++taken) {
        sockaddr_in sender{};
        socklen_t senderSize = sizeof sender;
        const ssize_t received = recvfrom(socket_, buffer.data(), buffer.size(), 0,
                                          reinterpret_cast<sockaddr*>(&sender), &senderSize);
        if (received < 0) {
            return;
        }
        Answer({buffer.data(), static_cast<std::size_t>(received)}, sender);
    }
}

void LanDatagramPort::Answer(std::span<const std::uint8_t> datagram, sockaddr_in sender) {
    if (replyPort_ != 0) {
        sender.sin_port = htons(replyPort_);
    }
    for (LanPrinterResponder* printer : printers_) {
        std::chrono::milliseconds due{0};
        for (ReplyBurst& burst : printer->Answer(datagram)) {
            due += burst.delay;
            if (due.count() == 0) {
                Send(*printer, burst.bytes, sender, kSendAttempts);
            } else {
                loop_.After(due, [this, printer, bytes = std::move(burst.bytes), sender] {
                    Send(*printer, bytes, sender, kSendAttempts);
                });
            }
        }
    }
}

// A reply that finds the socket's buffer full is tried again shortly, a few times, as a
// printer's network stack would; a thousand printers answering one search can fill it.
void LanDatagramPort::Send(LanPrinterResponder& printer, const Bytes& bytes, const sockaddr_in& target,
                           int attemptsLeft) {
    const ssize_t sent =
        sendto(socket_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&target), sizeof target);
    if (sent == static_cast<ssize_t>(bytes.size())) {
        printer.NoteReplySent();
    } else if (sent < 0 && (errno == EAGAIN || errno == ENOBUFS) && attemptsLeft > 1) {
        loop_.After(kRetryGap, [this, &printer, bytes, target, attemptsLeft] {
            Send(printer, bytes, target, attemptsLeft - 1);
        });
    }
}

}  // namespace lanvane::sim
