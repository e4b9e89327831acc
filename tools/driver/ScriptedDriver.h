#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/headless/HeadlessDriver.h"

namespace lanvane {

// A driver that plays a fixed list of steps, with checks in between, then ends.
class ScriptedDriver : public HeadlessDriver {
public:
    using Check = std::function<void(const HeadlessBackend& ui)>;

    ScriptedDriver& Then(Step step);
    // Runs when the script reaches it, before the following step is handed out.
    ScriptedDriver& Inspect(Check check);

    Step NextStep(const HeadlessBackend& ui) override;
    void OnStepRejected(const Step& step, const std::string& reason) override;

    const std::vector<std::string>& Rejections() const { return rejections_; }
    bool Finished() const { return script_.empty(); }

private:
    struct Entry {
        Step step;
        Check check;
    };

    std::deque<Entry> script_;
    std::vector<std::string> rejections_;
};

}  // namespace lanvane
