#include "PseudoTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>

namespace lanvane::test {

PseudoTerminal::PseudoTerminal(bool raw) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        throw std::runtime_error("no pseudo-terminal");
    }
    slavePath_ = ptsname(master_);
    if (raw) {
        termios line{};
        tcgetattr(master_, &line);
        cfmakeraw(&line);
        tcsetattr(master_, TCSANOW, &line);
    }
}

PseudoTerminal::~PseudoTerminal() {
    close(master_);
}

void PseudoTerminal::Send(const std::vector<std::uint8_t>& bytes) const {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t put = write(master_, bytes.data() + sent, bytes.size() - sent);
        if (put <= 0) {
            throw std::runtime_error("pseudo-terminal write failed");
        }
        sent += static_cast<std::size_t>(put);
    }
}

void PseudoTerminal::Send(const std::string& text) const {
    Send(std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::uint8_t> PseudoTerminal::Receive(std::size_t count,
                                                  std::chrono::milliseconds wait) const {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::vector<std::uint8_t> received;
    std::uint8_t chunk[4096];
    while (received.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd entry{master_, POLLIN, 0};
        if (left.count() <= 0 || poll(&entry, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        const ssize_t got = read(master_, chunk, sizeof chunk);
        if (got <= 0) {
            break;
        }
        received.insert(received.end(), chunk, chunk + got);
    }
    return received;
}

}  // namespace lanvane::test
