#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace lanvane::test {

// A pseudo-terminal whose slave stands in for a printer device; the test plays the
// printer on the master side. `raw` puts the line in raw mode, as a USB device (which has
// no line settings) needs.
class PseudoTerminal {
public:
    explicit PseudoTerminal(bool raw = true)
        : master_(posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC)) {
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
            throw std::runtime_error("no pseudo-terminal");
        }
        slavePath_ = ptsname(master_);
        termios line{};
        if (raw && tcgetattr(master_, &line) == 0) {
            cfmakeraw(&line);
            tcsetattr(master_, TCSANOW, &line);
        }
    }
    ~PseudoTerminal() { close(master_); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& SlavePath() const { return slavePath_; }

    // The line settings of the slave side (the master reports its slave's).
    termios LineSettings() const {
        termios line{};
        tcgetattr(master_, &line);
        return line;
    }

    // What the printer sends.
    void Send(const std::string& bytes) const {
        if (write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
            throw std::runtime_error("pseudo-terminal write failed");
        }
    }

    // What the printer received: reads until `count` bytes came or the wait ended.
    std::vector<std::uint8_t> Receive(std::size_t count, std::chrono::milliseconds wait) const {
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

private:
    int master_;
    std::string slavePath_;
};

}  // namespace lanvane::test
