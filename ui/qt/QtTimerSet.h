#pragma once

#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <utility>

#include "ui/qt/LaterDelete.h"

namespace lanvane {

class Dialog;

// The dialogs' periodic timers on QTimer. While ticks are held back (a blocking exchange
// repaints its window), a timer that falls due is remembered and ticks once afterwards, as
// ticks missed meanwhile come as one.
class QtTimerSet {
public:
    using Tick = std::function<void(Dialog&, int)>;

    explicit QtTimerSet(Tick tick);

    void Set(Dialog& dialog, int timerId, int periodMs);
    void Kill(Dialog& dialog, int timerId);
    void Forget(const Dialog& dialog);
    void HoldTicks(bool hold);

private:
    using Key = std::pair<Dialog*, int>;

    void Fire(const Key& key);
    void DeliverHeld();

    Tick tick_;
    std::map<Key, LaterPtr<QTimer>> timers_;
    std::set<Key> held_;
    QTimer deliverHeld_;
    bool holding_ = false;
};

}  // namespace lanvane
