#include "link/posix/SerialLine.h"

#include <termios.h>

#include <array>
#include <utility>

namespace lanvane::posix {
namespace {

bool SpeedFor(std::uint32_t baudRate, speed_t& speed) {
    static constexpr std::array<std::pair<std::uint32_t, speed_t>, 6> kSpeeds{{
        {9600, B9600}, {19200, B19200}, {38400, B38400},
        {57600, B57600}, {115200, B115200}, {230400, B230400},
    }};
    for (const auto& [rate, code] : kSpeeds) {
        if (rate == baudRate) {
            speed = code;
            return true;
        }
    }
    return false;
}

}  // namespace

bool ConfigureSerialLine(int fd, std::uint32_t baudRate) {
    speed_t speed = B0;
    termios line{};
    if (!SpeedFor(baudRate, speed) || tcgetattr(fd, &line) != 0) {
        return false;
    }
    cfmakeraw(&line);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    line.c_cflag |= CS8 | CREAD | CLOCAL | CRTSCTS;
    line.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    return cfsetispeed(&line, speed) == 0 && cfsetospeed(&line, speed) == 0 &&
           tcsetattr(fd, TCSANOW, &line) == 0;
}

bool PurgeSerialLine(int fd) {
    return tcflush(fd, TCIOFLUSH) == 0;
}

}  // namespace lanvane::posix
