#include "sim/LanDatagramPort.h"

#include <array>

namespace lanvane::sim {
namespace {

// The printer reads at most this much of a datagram; its requests are far shorter.
constexpr std::size_t kReadSize = 512;
// Datagrams taken per wake-up, so that delayed replies due meanwhile are not held up long.
constexpr int kDatagramsPerTurn = 64;
constexpr int kSendAttempts = 20;
constexpr std::chrono::milliseconds kRetryGap{2};

}  // namespace

LanDatagramPort::LanDatagramPort(EventLoop& loop, std::vector<LanPrinterResponder*> printers, std::uint16_t port,
                                 std::uint16_t replyPort)
    : loop_(loop), printers_(std::move(printers)), port_(port), replyPort_(replyPort) {}

LanDatagramPort::~LanDatagramPort() { Close(); }

void LanDatagramPort::Close() {
    if (socket_ != kNoSocket) {
        loop_.Forget(socket_);
        CloseSocket(socket_);
        socket_ = kNoSocket;
    }
}

bool LanDatagramPort::Open() {
    if (socket_ != kNoSocket) {
        return false;
    }
    socket_ = OpenDatagramSocket(port_, port_);
    if (socket_ == kNoSocket) {
        return false;
    }
    loop_.Watch(socket_, kReadable, [this](unsigned) { Drain(); });
    return true;
}

void LanDatagramPort::Drain() {
    std::array<std::uint8_t, kReadSize> buffer{};
    for (int taken = 0; taken < kDatagramsPerTurn; ++taken) {
        Endpoint sender;
        const long received = ReceiveDatagram(socket_, buffer, sender);
        if (received < 0) {
            return;
        }
        Answer({buffer.data(), static_cast<std::size_t>(received)}, sender);
    }
}

void LanDatagramPort::Answer(std::span<const std::uint8_t> datagram, Endpoint sender) {
    if (replyPort_ != 0) {
        sender.port = replyPort_;
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
void LanDatagramPort::Send(LanPrinterResponder& printer, const Bytes& bytes, const Endpoint& target,
                           int attemptsLeft) {
    const Transfer sent = SendDatagram(socket_, bytes, target, printer.HostAddress());
    if (sent == Transfer::Done) {
        printer.NoteReplySent();
    } else if (sent == Transfer::WouldBlock && attemptsLeft > 1) {
        loop_.After(kRetryGap, [this, &printer, bytes, target, attemptsLeft] {
            Send(printer, bytes, target, attemptsLeft - 1);
        });
    }
}

}  // namespace lanvane::sim
