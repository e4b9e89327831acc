#pragma once

#include <utility>

#include "sim/EventLoop.h"

namespace lanvane::sim {

// A port served by an event loop on a thread of its own. Start once per object. Stopping
// ends the loop before the port closes, so no handler runs on a closed socket.
template <class Port>
class LoopServer {
public:
    template <class... PortArguments>
    explicit LoopServer(PortArguments&&... arguments) : port_(loop_, std::forward<PortArguments>(arguments)...) {}
    ~LoopServer() { Stop(); }
    LoopServer(const LoopServer&) = delete;
    LoopServer& operator=(const LoopServer&) = delete;

    bool Start() { return port_.Open() && loop_.Start(); }
    void Stop() {
        loop_.Stop();
        port_.Close();
    }

protected:
    const Port& Served() const { return port_; }

private:
    EventLoop loop_;
    Port port_;
};

}  // namespace lanvane::sim
