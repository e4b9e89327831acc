#include "sim/posix/EventLoop.h"

#include <poll.h>

#include <cerrno>
#include <vector>

namespace lanvane::sim {

EventLoop::~EventLoop() { Stop(); }

void EventLoop::Watch(int fd, short events, Handler handler) {
    watched_[fd] = Watched{events, std::move(handler)};
}

void EventLoop::Forget(int fd) { watched_.erase(fd); }

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
    std::vector<pollfd> waited;
    for (;;) {
        waited.assign(1, pollfd{stop_.Fd(), POLLIN, 0});
        for (const auto& [fd, watch] : watched_) {
            waited.push_back(pollfd{fd, watch.events, 0});
        }
        const int ready = poll(waited.data(), waited.size(), MillisecondsToNextTask());
        if (ready < 0 && errno != EINTR) {
            return;
        }
        if ((waited[0].revents & POLLIN) != 0) {
            return;
        }
        RunDueTasks();
        for (std::size_t index = 1; ready > 0 && index < waited.size(); ++index) {
            const auto found = watched_.find(waited[index].fd);
            if (waited[index].revents == 0 || found == watched_.end()) {
                continue;
            }
            // A copy: the handler may forget its own descriptor.
            const Handler handler = found->second.handler;
            handler(waited[index].revents);
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
