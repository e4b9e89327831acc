#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

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

private:
    int master_;
    std::string slavePath_;
};

}  // namespace lanvane::test
