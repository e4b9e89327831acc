#include "ui/headless/SocketWatch.h"

#include <poll.h>

#include <algorithm>

namespace lanvane {

void SocketWatch::Watch(Dialog& dialog, int fd, int token) {
    Unwatch(dialog, token);
    entries_.push_back(Entry{&dialog, fd, token});
}

void SocketWatch::Unwatch(Dialog& dialog, int token) {
    std::erase_if(entries_, [&](const Entry& entry) { return entry.dialog == &dialog && entry.token == token; });
}

void SocketWatch::Forget(const Dialog& dialog) {
    std::erase_if(entries_, [&](const Entry& entry) { return entry.dialog == &dialog; });
}

std::optional<SocketWatch::Entry> SocketWatch::PollReadable(int timeoutMs) {
    if (entries_.empty()) {
        return std::nullopt;
    }
    std::vector<pollfd> polled;
    polled.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        polled.push_back(pollfd{entry.fd, POLLIN, 0});
    }
    if (poll(polled.data(), polled.size(), std::max(timeoutMs, 0)) <= 0) {
        return std::nullopt;
    }
    constexpr short kReadable = POLLIN | POLLHUP | POLLERR;
    for (std::size_t step = 0; step < polled.size(); ++step) {
        const std::size_t index = (nextTurn_ + step) % polled.size();
        if ((polled[index].revents & kReadable) != 0) {
            nextTurn_ = index + 1;
            return entries_[index];
        }
    }
    return std::nullopt;
}

}  // namespace lanvane
