#pragma once

#include <QTimer>

#include "tools/scenario/BackendScreen.h"
#include "tools/scenario/ScenarioPump.h"
#include "ui/qt/QtBackend.h"

namespace lanvane::scenario {

// The scenario's turns on the Qt backend: each is a single-shot timer of the innermost
// loop, so an action that opens a window is followed by one inside it.
class QtScenarioPump final : public ScenarioPump {
public:
    QtScenarioPump(ScenarioPlayer& player, QtBackend& ui, int timeLimitMs)
        : ScenarioPump(player, timeLimitMs), ui_(ui), screen_(ui) {}

private:
    const ScenarioScreen& Screen() const override { return screen_; }
    // Socket data not yet told to its dialog comes first, as a user could not act between.
    bool MayAct() const override { return !ui_.PaintingDuringExchange() && !ui_.SocketDataWaiting(); }
    std::string Perform(const UserAction& action) override;
    void CancelInnermost() override { ui_.CancelInnermost(); }
    void Schedule(std::chrono::milliseconds delay) override;

    QtBackend& ui_;
    BackendScreen<QtBackend> screen_;
    QTimer owner_;  // the context of the scheduled turns: they go with the pump
};

}  // namespace lanvane::scenario
