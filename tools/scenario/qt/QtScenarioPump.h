#pragma once

#include <QTimer>

#include "tools/scenario/BackendPump.h"
#include "ui/qt/QtBackend.h"

namespace lanvane::scenario {

// The scenario's turns on the Qt backend: each is a single-shot timer of the innermost
// loop, so an action that opens a window is followed by one inside it.
class QtScenarioPump final : public BackendPump<QtBackend> {
public:
    QtScenarioPump(ScenarioPlayer& player, QtBackend& ui, int timeLimitMs) : BackendPump(player, ui, timeLimitMs) {}

private:
    // Socket data not yet told to its dialog comes first, as a user could not act between.
    bool MayAct() const override { return !Ui().PaintingDuringExchange() && !Ui().SocketDataWaiting(); }
    std::string Perform(const UserAction& action) override;
    void Schedule(std::chrono::milliseconds delay) override;

    QTimer owner_;  // the context of the scheduled turns: they go with the pump
};

}  // namespace lanvane::scenario
