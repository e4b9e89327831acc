#include "tools/driver/ScriptedDriver.h"

#include <utility>

namespace lanvane {

ScriptedDriver& ScriptedDriver::Then(Step step) {
    script_.push_back(Entry{std::move(step), {}});
    return *this;
}

ScriptedDriver& ScriptedDriver::Inspect(Check check) {
    script_.push_back(Entry{Step{}, std::move(check)});
    return *this;
}

Step ScriptedDriver::NextStep(const HeadlessBackend& ui) {
    while (!script_.empty()) {
        Entry entry = std::move(script_.front());
        script_.pop_front();
        if (!entry.check) {
            return entry.step;
        }
        entry.check(ui);
    }
    return Step::End();
}

void ScriptedDriver::OnStepRejected(const Step& step, const std::string& reason) {
    rejections_.push_back(step.Describe() + ": " + reason);
}

}  // namespace lanvane
