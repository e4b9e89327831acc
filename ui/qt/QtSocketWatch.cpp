#include "ui/qt/QtSocketWatch.h"

#include <poll.h>

#include <vector>

namespace lanvane {

QtSocketWatch::QtSocketWatch(Readable readable) : readable_(std::move(readable)) {}

void QtSocketWatch::Watch(Dialog& dialog, SocketHandle socket, int token) {
    Unwatch(dialog, token);
    const Key key{&dialog, token};
    Watched& watched = watched_[key];
    watched.notifier.reset(new QSocketNotifier(static_cast<qintptr>(socket.As<int>()), QSocketNotifier::Read));
    const QSocketNotifier* notifier = watched.notifier.get();
    QObject::connect(watched.notifier.get(), &QSocketNotifier::activated,
                     [this, key, notifier] { Activated(key, notifier); });
    Refresh(watched);
}

void QtSocketWatch::Unwatch(Dialog& dialog, int token) {
    if (const auto found = watched_.find(Key{&dialog, token}); found != watched_.end()) {
        found->second.notifier->setEnabled(false);
        watched_.erase(found);
    }
}

void QtSocketWatch::Forget(const Dialog& dialog) {
    std::erase_if(watched_, [&dialog](const auto& entry) {
        if (entry.first.first != &dialog) {
            return false;
        }
        entry.second.notifier->setEnabled(false);
        return true;
    });
}

void QtSocketWatch::Hold(bool hold) {
    holding_ = hold;
    for (auto& [key, watched] : watched_) {
        Refresh(watched);
    }
}

bool QtSocketWatch::AnyReadable() const {
    std::vector<pollfd> descriptors;
    for (const auto& [key, watched] : watched_) {
        descriptors.push_back(pollfd{static_cast<int>(watched.notifier->socket()), POLLIN, 0});
    }
    return !descriptors.empty() && ::poll(descriptors.data(), descriptors.size(), 0) > 0;
}

void QtSocketWatch::Refresh(Watched& watched) const {
    watched.notifier->setEnabled(!holding_ && !watched.busy);
}

void QtSocketWatch::Activated(const Key& key, const QSocketNotifier* notifier) {
    const auto found = watched_.find(key);
    if (found == watched_.end() || found->second.notifier.get() != notifier || holding_) {
        return;
    }
    found->second.busy = true;
    Refresh(found->second);
    readable_(*key.first, key.second);
    // The handler may have unwatched the socket, or watched another under the same token.
    const auto after = watched_.find(key);
    if (after != watched_.end() && after->second.notifier.get() == notifier) {
        after->second.busy = false;
        Refresh(after->second);
    }
}

}  // namespace lanvane
