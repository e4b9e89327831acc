#pragma once

#include "tools/scenario/BackendScreen.h"
#include "tools/scenario/ScenarioPump.h"

namespace lanvane::scenario {

// What the pumps of the real backends (Qt, Win32) share: the backend, the screen it shows and
// the way its innermost window is cancelled. Each adds when a turn comes and how an action
// reaches its controls.
template <class Backend>
class BackendPump : public ScenarioPump {
protected:
    BackendPump(ScenarioPlayer& player, Backend& ui, int timeLimitMs)
        : ScenarioPump(player, timeLimitMs), ui_(ui), screen_(ui) {}

    Backend& Ui() const { return ui_; }

private:
    const ScenarioScreen& Screen() const override { return screen_; }
    void CancelInnermost() override { ui_.CancelInnermost(); }

    Backend& ui_;
    BackendScreen<Backend> screen_;
};

}  // namespace lanvane::scenario
