#include "tools/scenario/headless/HeadlessScenarioDriver.h"

#include "tools/scenario/headless/HeadlessScreen.h"

namespace lanvane::scenario {

Step StepFor(const UserAction& action) {
    const int id = action.control.controlId;
    const int page = action.control.pageId;
    switch (action.kind) {
    case ActionKind::Click:
        return Step::Click(id, page);
    case ActionKind::TypeText:
        return Step::Type(id, action.text, page);
    case ActionKind::Erase:
        return Step::Erase(id, page);
    case ActionKind::ReplaceText:
        return Step::Replace(id, action.text, page);
    case ActionKind::Choose:
        return Step::Choose(id, action.number, page);
    case ActionKind::SelectTab:
        return Step::SelectTab(id, action.number, page);
    case ActionKind::ClickRow:
        return Step::ClickRow(id, action.number, page);
    case ActionKind::SetIpField:
        return Step::SetIpField(id, action.number, action.text, page);
    case ActionKind::Focus:
        return Step::Focus(id, page);
    case ActionKind::PressEnter:
        return Step::PressOk();
    case ActionKind::PressEscape:
        return Step::PressCancel();
    case ActionKind::PageKey:
        return Step::SwitchPage(action.number > 0);
    case ActionKind::Advance:
        return Step::Advance(action.number);
    case ActionKind::Wait:
        return Step::Wait(action.number);
    case ActionKind::AnswerMessageBox:
        return Step::AnswerMessageBox(action.number);
    case ActionKind::AnswerFileDialog:
        return Step::AnswerFileDialog(action.paths);
    case ActionKind::End:
        break;
    }
    return Step::End();
}

Step HeadlessScenarioDriver::NextStep(const HeadlessBackend& ui) {
    return StepFor(player_.Next(HeadlessScreen(ui)));
}

void HeadlessScenarioDriver::OnStepRejected(const Step& step, const std::string& reason) {
    player_.Refused(step.Describe() + ": " + reason);
}

}  // namespace lanvane::scenario
