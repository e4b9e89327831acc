#pragma once

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <string>

namespace lanvane::test {

// Both ends of a local datagram socket, closed at the end of the test.
class SocketPair {
public:
    SocketPair() { EXPECT_EQ(socketpair(AF_UNIX, SOCK_DGRAM, 0, fds_.data()), 0); }
    ~SocketPair() {
        close(fds_[0]);
        close(fds_[1]);
    }
    int Reader() const { return fds_[0]; }
    void Send(const std::string& text = "x") const {
        EXPECT_EQ(send(fds_[1], text.data(), text.size(), 0), static_cast<ssize_t>(text.size()));
    }
    // One datagram; empty when none could be read.
    std::string Receive() const {
        std::array<char, 512> buffer{};
        const ssize_t length = recv(fds_[0], buffer.data(), buffer.size(), 0);
        return length > 0 ? std::string(buffer.data(), static_cast<std::size_t>(length)) : std::string();
    }

private:
    std::array<int, 2> fds_{};
};

}  // namespace lanvane::test
