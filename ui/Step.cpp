#include "ui/Step.h"

#include <utility>

namespace lanvane {

namespace {

Step Make(StepKind kind, int controlId = 0, int pageId = 0) {
    Step step;
    step.kind = kind;
    step.target = Target{controlId, pageId};
    return step;
}

Step WithNumber(Step step, int number) {
    step.number = number;
    return step;
}

Step WithText(Step step, std::string text) {
    step.text = std::move(text);
    return step;
}

const char* NameOf(StepKind kind) {
    switch (kind) {
    case StepKind::Click: return "Click";
    case StepKind::Type: return "Type";
    case StepKind::Erase: return "Erase";
    case StepKind::Replace: return "Replace";
    case StepKind::Choose: return "Choose";
    case StepKind::SelectTab: return "SelectTab";
    case StepKind::ClickRow: return "ClickRow";
    case StepKind::SetIpField: return "SetIpField";
    case StepKind::Focus: return "Focus";
    case StepKind::PressOk: return "PressOk";
    case StepKind::PressCancel: return "PressCancel";
    case StepKind::SwitchPage: return "SwitchPage";
    case StepKind::Advance: return "Advance";
    case StepKind::Wait: return "Wait";
    case StepKind::AnswerMessageBox: return "AnswerMessageBox";
    case StepKind::AnswerFileDialog: return "AnswerFileDialog";
    case StepKind::End: return "End";
    }
    return "?";
}

}  // namespace

Step Step::Click(int controlId, int pageId) {
    return Make(StepKind::Click, controlId, pageId);
}

Step Step::Type(int controlId, std::string text, int pageId) {
    return WithText(Make(StepKind::Type, controlId, pageId), std::move(text));
}

Step Step::Erase(int controlId, int pageId) {
    return Make(StepKind::Erase, controlId, pageId);
}

Step Step::Replace(int controlId, std::string text, int pageId) {
    return WithText(Make(StepKind::Replace, controlId, pageId), std::move(text));
}

Step Step::Choose(int controlId, int index, int pageId) {
    return WithNumber(Make(StepKind::Choose, controlId, pageId), index);
}

Step Step::SelectTab(int controlId, int index, int pageId) {
    return WithNumber(Make(StepKind::SelectTab, controlId, pageId), index);
}

Step Step::ClickRow(int controlId, int row, int pageId) {
    return WithNumber(Make(StepKind::ClickRow, controlId, pageId), row);
}

Step Step::SetIpField(int controlId, int field, std::string digits, int pageId) {
    return WithText(WithNumber(Make(StepKind::SetIpField, controlId, pageId), field), std::move(digits));
}

Step Step::Focus(int controlId, int pageId) {
    return Make(StepKind::Focus, controlId, pageId);
}

Step Step::PressOk() {
    return Make(StepKind::PressOk);
}

Step Step::PressCancel() {
    return Make(StepKind::PressCancel);
}

Step Step::SwitchPage(bool forward) {
    Step step = Make(StepKind::SwitchPage);
    step.number = forward ? 1 : -1;
    return step;
}

Step Step::Advance(int ms) {
    return WithNumber(Make(StepKind::Advance), ms);
}

Step Step::Wait(int ms) {
    return WithNumber(Make(StepKind::Wait), ms);
}

Step Step::AnswerMessageBox(int answer) {
    return WithNumber(Make(StepKind::AnswerMessageBox), answer);
}

Step Step::AnswerFileDialog(std::vector<std::string> paths) {
    Step step = Make(StepKind::AnswerFileDialog);
    step.paths = std::move(paths);
    return step;
}

Step Step::End() {
    return Make(StepKind::End);
}

std::string Step::Describe() const {
    std::string description = NameOf(kind);
    if (target.controlId != 0) {
        description += " control " + std::to_string(target.controlId);
    }
    if (target.pageId != 0) {
        description += " on page " + std::to_string(target.pageId);
    }
    if (!text.empty()) {
        description += " '" + text + "'";
    }
    if (number != 0) {
        description += " " + std::to_string(number);
    }
    return description;
}

}  // namespace lanvane
