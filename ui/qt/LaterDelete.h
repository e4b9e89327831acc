#pragma once

#include <QObject>
#include <memory>

namespace lanvane {

// Owns a timer or notifier that may be dropped inside its own signal (a handler that kills
// its timer): it is cut off at once and deleted when the loop next runs.
struct LaterDelete {
    void operator()(QObject* object) const {
        object->disconnect();
        object->deleteLater();
    }
};

template <class T>
using LaterPtr = std::unique_ptr<T, LaterDelete>;

}  // namespace lanvane
