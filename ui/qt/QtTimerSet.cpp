#include "ui/qt/QtTimerSet.h"

#include <algorithm>

namespace lanvane {

QtTimerSet::QtTimerSet(Tick tick) : tick_(std::move(tick)) {
    deliverHeld_.setSingleShot(true);
    deliverHeld_.setInterval(0);
    QObject::connect(&deliverHeld_, &QTimer::timeout, [this] { DeliverHeld(); });
}

void QtTimerSet::Set(Dialog& dialog, int timerId, int periodMs) {
    const Key key{&dialog, timerId};
    auto& timer = timers_[key];
    if (!timer) {
        timer.reset(new QTimer());
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, [this, key] { Fire(key); });
    }
    timer->start(std::max(periodMs, 0));
}

void QtTimerSet::Kill(Dialog& dialog, int timerId) {
    const Key key{&dialog, timerId};
    if (const auto found = timers_.find(key); found != timers_.end()) {
        found->second->stop();
        timers_.erase(found);
    }
    held_.erase(key);
}

void QtTimerSet::Forget(const Dialog& dialog) {
    std::erase_if(timers_, [&dialog](const auto& entry) {
        if (entry.first.first != &dialog) {
            return false;
        }
        entry.second->stop();
        return true;
    });
    std::erase_if(held_, [&dialog](const Key& key) { return key.first == &dialog; });
}

void QtTimerSet::HoldTicks(bool hold) {
    holding_ = hold;
    if (!holding_ && !held_.empty()) {
        deliverHeld_.start();
    }
}

void QtTimerSet::Fire(const Key& key) {
    if (holding_) {
        held_.insert(key);
        return;
    }
    // Qt does not fire a timer again while its own handler runs; starting it afresh lets its
    // next ticks arrive through a message box the handler opens, as dialog timers do.
    if (const auto found = timers_.find(key); found != timers_.end()) {
        found->second->start();
    }
    tick_(*key.first, key.second);
}

void QtTimerSet::DeliverHeld() {
    if (holding_) {
        return;
    }
    while (!held_.empty() && !holding_) {
        const Key key = *held_.begin();
        held_.erase(held_.begin());
        if (timers_.count(key) != 0) {
            tick_(*key.first, key.second);
        }
    }
}

}  // namespace lanvane
