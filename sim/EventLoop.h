#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <thread>

#include "link/NativeHandle.h"
#include "sim/StopSignal.h"

namespace lanvane::sim {

// One thread that serves many sockets with one wait, and runs tasks at given times, so
// that a thousand simulated printers need neither a thousand threads nor a thousand
// sleeping waits. Watch, Forget and After are called before Start or from the loop's own
// handlers; the loop calls everything on its thread.
class EventLoop {
public:
    using Clock = std::chrono::steady_clock;
    // Gets what fired: kReadable, kWritable, kHungUp of sim/SocketCalls.h.
    using Handler = std::function<void(unsigned events)>;

    EventLoop() = default;
    ~EventLoop();
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    // Watches `socket` for `events`, replacing what it was watched for before.
    void Watch(NativeSocket socket, unsigned events, Handler handler);
    void Forget(NativeSocket socket);
    // Runs `task` at `due` (at once when past); tasks due at one time run in the order given.
    void At(Clock::time_point due, std::function<void()> task);
    void After(std::chrono::milliseconds delay, std::function<void()> task) { At(Clock::now() + delay, std::move(task)); }

    bool Start();
    // Ends the loop at once: tasks not due yet are dropped.
    void Stop();

private:
    struct Watched {
        unsigned events;
        Handler handler;
    };

    void Run();
    void RunDueTasks();
    int MillisecondsToNextTask() const;

    std::map<NativeSocket, Watched> watched_;
    std::multimap<Clock::time_point, std::function<void()>> tasks_;
    StopSignal stop_;
    std::thread thread_;
};

}  // namespace lanvane::sim
