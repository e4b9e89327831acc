#include "ui/headless/SocketWatch.h"

#include <algorithm>

#include "ui/headless/SocketReadiness.h"

namespace lanvane {

void SocketWatch::Watch(Dialog& dialog, SocketHandle socket, int token) {
    Unwatch(dialog, token);
    entries_.push_back(Entry{&dialog, socket, token});
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
    std::vector<SocketHandle> sockets;
    sockets.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        sockets.push_back(entry.socket);
    }
    const std::vector<bool> readable = ReadableSockets(sockets, timeoutMs);
    for (std::size_t step = 0; step < readable.size(); ++step) {
        const std::size_t index = (nextTurn_ + step) % readable.size();
        if (readable[index]) {
            nextTurn_ = index + 1;
            return entries_[index];
        }
    }
    return std::nullopt;
}

}  // namespace lanvane
