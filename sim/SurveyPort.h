#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "link/NativeHandle.h"
#include "sim/SimulatedPrinter.h"
#include "sim/EventLoop.h"

namespace lanvane::sim {

// A printer's TCP survey port served on an event loop: answers each raw BSS_REQ frame with
// the raw BSS_RSP frame, on any number of connections at once; a silent connection is
// dropped after kIdleLimit.
class SurveyPort {
public:
    static constexpr std::chrono::milliseconds kIdleLimit{10000};

    // Port 0 binds an ephemeral port; Port() tells which after Open().
    SurveyPort(EventLoop& loop, SimulatedPrinter& printer, std::string address, std::uint16_t port);
    ~SurveyPort();
    SurveyPort(const SurveyPort&) = delete;
    SurveyPort& operator=(const SurveyPort&) = delete;

    // Listens and watches the port on the loop; false when the address or port is unusable.
    bool Open();
    // Closes the port and every connection; only while the loop is not running.
    void Close();

    const std::string& Address() const { return address_; }
    std::uint16_t Port() const { return port_; }

private:
    using Clock = EventLoop::Clock;
    struct Connection {
        NativeSocket socket = kNoSocket;
        Bytes input;
        Bytes output;
        Clock::time_point lastHeard;
        Clock::time_point sendFrom;  // after the bursts already planned
        bool hangingUp = false;
    };

    void Accept();
    void OnEvents(std::uint64_t id, unsigned events);
    bool Read(Connection& connection);
    void Answer(std::uint64_t id, Connection& connection, const Bytes& request);
    void Queue(std::uint64_t id, const Bytes& bytes);
    void HangUp(std::uint64_t id);
    void Flush(std::uint64_t id);
    void CheckIdle(std::uint64_t id);
    void Drop(std::uint64_t id);

    EventLoop& loop_;
    SimulatedPrinter& printer_;
    std::string address_;
    std::uint16_t port_;
    NativeSocket listener_ = kNoSocket;
    // Keyed by a serial number, not the socket: a task planned for a connection that is
    // gone must not reach a later one that got the same socket handle.
    std::map<std::uint64_t, Connection> connections_;
    std::uint64_t nextId_ = 1;
};

}  // namespace lanvane::sim
