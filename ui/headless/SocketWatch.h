#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "ui/SocketHandle.h"
#include "ui/SocketWatchList.h"

namespace lanvane {

class Dialog;

// The sockets dialogs watch for data to read, checked with the system's poll.
class SocketWatch final : public SocketWatchList {
public:
    struct Entry {
        Dialog* dialog;
        SocketHandle socket;
        int token;
    };

    void Watch(Dialog& dialog, SocketHandle socket, int token) override;
    void Unwatch(Dialog& dialog, int token) override;
    void Forget(const Dialog& dialog);
    bool Empty() const { return entries_.empty(); }
    // One readable socket (also at end of stream or on error), waiting at most timeoutMs.
    // Sockets take turns, so one that stays readable cannot starve the others.
    std::optional<Entry> PollReadable(int timeoutMs);

private:
    std::vector<Entry> entries_;
    std::size_t nextTurn_ = 0;
};

}  // namespace lanvane
