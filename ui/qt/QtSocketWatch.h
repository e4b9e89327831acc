#pragma once

#include <QSocketNotifier>
#include <functional>
#include <map>
#include <utility>

#include "ui/SocketHandle.h"
#include "ui/SocketWatchList.h"
#include "ui/qt/LaterDelete.h"

namespace lanvane {

class Dialog;

// The dialogs' watched sockets on QSocketNotifier. A notifier rests while its own handler
// runs, so a handler that opens a message box before it reads is not called again inside
// it, and all of them rest while they are held (a blocking exchange repaints its window).
class QtSocketWatch final : public SocketWatchList {
public:
    using Readable = std::function<void(Dialog&, int)>;

    explicit QtSocketWatch(Readable readable);

    void Watch(Dialog& dialog, SocketHandle socket, int token) override;
    void Unwatch(Dialog& dialog, int token) override;
    void Forget(const Dialog& dialog);
    void Hold(bool hold);
    // Whether a watched socket has data that is waiting to be delivered.
    bool AnyReadable() const;

private:
    using Key = std::pair<Dialog*, int>;
    struct Watched {
        LaterPtr<QSocketNotifier> notifier;
        bool busy = false;  // its handler runs
    };

    void Activated(const Key& key, const QSocketNotifier* notifier);
    void Refresh(Watched& watched) const;

    Readable readable_;
    std::map<Key, Watched> watched_;
    bool holding_ = false;
};

}  // namespace lanvane
