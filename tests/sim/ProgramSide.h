#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string_view>
#include <vector>

#include "sim/Bytes.h"

namespace lanvane::sim::test {

// A socket of the program's side on a free port, sending to the loopback broadcast.
class ProgramSide {
public:
    ProgramSide() {
        socket_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        const int on = 1;
        setsockopt(socket_, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        bind(socket_, reinterpret_cast<const sockaddr*>(&local), sizeof local);
    }
    ~ProgramSide() { close(socket_); }
    ProgramSide(const ProgramSide&) = delete;
    ProgramSide& operator=(const ProgramSide&) = delete;

    void Broadcast(std::string_view text, std::uint16_t port) const {
        sockaddr_in target{};
        target.sin_family = AF_INET;
        target.sin_port = htons(port);
        inet_pton(AF_INET, "127.255.255.255", &target.sin_addr);
        sendto(socket_, text.data(), text.size(), 0, reinterpret_cast<const sockaddr*>(&target), sizeof target);
    }

    // The datagrams that arrive until none has come for `quiet`.
    std::vector<Bytes> Replies(std::chrono::milliseconds quiet) const {
        std::vector<Bytes> replies;
        pollfd waited{socket_, POLLIN, 0};
        while (poll(&waited, 1, static_cast<int>(quiet.count())) > 0) {
            Bytes buffer(512);
            const ssize_t size = recv(socket_, buffer.data(), buffer.size(), 0);
            buffer.resize(static_cast<std::size_t>(std::max<ssize_t>(size, 0)));
            replies.push_back(buffer);
        }
        return replies;
    }

private:
    int socket_ = -1;
};

}  // namespace lanvane::sim::test
