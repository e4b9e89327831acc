#include "sim/EventLoop.h"

#include <vector>

#include "sim/SocketCalls.h"

namespace lanvane::sim {

EventLoop::~EventLoop() { Stop(); }

void EventLoop::Watch(NativeSocket socket, unsigned events, Handler handler) {
    watched_[socket] = Watched{events, std::move(handler)};
}

void EventLoop::Forget(NativeSocket socket) { watched_.erase(socket); }

void EventLoop::At(Clock::time_point due, std::function<void()> task) { tasks_.emplace(due, std::move(task)); }

bool EventLoop::Start() {
    if (thread_.joinable() || !stop_.Valid()) {
        return false;
    }
    thread_ = std::thread([this] { Run(); });
    return true;
}

void EventLoop::Stop() {
    stop_.Raise();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void EventLoop::Run() {
    std::vector<SocketWait> waits;
    for (;;) {
        waits.assign(1, SocketWait{stop_.Fd(), kReadable, 0});
        for (const auto& [socket, watch] : watched_) {
            waits.push_back(SocketWait{socket, watch.events, 0});
        }
        if (!WaitForSockets(waits, MillisecondsToNextTask()) || waits[0].fired != 0) {
            return;
        }
        RunDueTasks();
        for (std::size_t index = 1; index < waits.size(); ++index) {
            const auto found = watched_.find(waits[index].socket);
            if (waits[index].fired == 0 || found == watched_.end()) {
                continue;
            }
            // A copy: the handler may forget its own socket.
            const Handler handler = found->second.handler;
            handler(waits[index].fired);
        }
    }
}

void EventLoop::RunDueTasks() {
    const Clock::time_point now = Clock::now();
    while (!tasks_.empty() && tasks_.begin()->first <= now) {
        const std::function<void()> task = std::move(tasks_.begin()->second);
        tasks_.erase(tasks_.begin());
        task();
    }
}

// -1 (no limit) when no task is waiting: Stop() still wakes the loop.
int EventLoop::MillisecondsToNextTask() const {
    if (tasks_.empty()) {
        return -1;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(tasks_.begin()->first - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, left.count()));
}

}  // namespace lanvane::sim
