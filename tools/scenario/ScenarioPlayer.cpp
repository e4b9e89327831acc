#include "tools/scenario/ScenarioPlayer.h"

#include <utility>

#include "tools/scenario/ActionPlanner.h"
#include "tools/scenario/PrinterExpectations.h"
#include "tools/scenario/ScreenExpectations.h"

namespace lanvane::scenario {
namespace {

UserAction Simple(ActionKind kind, int number = 0) {
    return UserAction{kind, {}, {}, number, {}};
}

UserAction AnswerFiles(std::vector<std::string> paths) {
    return UserAction{ActionKind::AnswerFileDialog, {}, {}, 0, std::move(paths)};
}

}  // namespace

ScenarioPlayer::ScenarioPlayer(const Scenario& scenario, PrinterBench& printers)
    : scenario_(scenario), printers_(printers) {}

UserAction ScenarioPlayer::Next(const ScenarioScreen& screen) {
    if (failure_) {
        return Simple(ActionKind::End);
    }
    if (pending_.empty() && waitUntil_) {
        if (auto wait = ContinueWait()) {
            pending_.push_back(std::move(*wait));
        }
    }
    if (pending_.empty() && armedFiles_ && screen.OpenFileDialog() != nullptr) {
        pending_.push_back(AnswerFiles(std::exchange(armedFiles_, std::nullopt).value()));
    }
    while (pending_.empty() && !failure_ && next_ < scenario_.commands.size()) {
        current_ = &scenario_.commands[next_++];
        Run(*current_, screen);
    }
    if (failure_ || pending_.empty()) {
        completed_ = !failure_;
        return Simple(ActionKind::End);
    }
    lastAction_ = current_;
    UserAction action = std::move(pending_.front());
    pending_.pop_front();
    return action;
}

void ScenarioPlayer::Refused(const std::string& reason) {
    if (failure_) {
        return;
    }
    pending_.clear();
    if (lastAction_ == nullptr) {
        Fail(0, "(end of the scenario)", {"the program to end", reason});
        return;
    }
    Fail(lastAction_->line, lastAction_->source, {"the action to be carried out", reason});
}

void ScenarioPlayer::Run(const ScenarioCommand& command, const ScenarioScreen& screen) {
    const CommandBody& body = command.body;
    if (IsWindowAction(body)) {
        RunWindowAction(body, screen);
    } else if (std::holds_alternative<command::ExpectMessage>(body)) {
        RunMessageExpectation(screen);
    } else if (IsScreenExpectation(body)) {
        if (auto mismatch = CheckScreen(body, screen)) {
            Fail(std::move(*mismatch));
        }
    } else if (IsPrinterCommand(body)) {
        if (auto mismatch = RunPrinterCommand(body, printers_)) {
            Fail(std::move(*mismatch));
        }
    } else if (const auto* pick = std::get_if<command::PickFiles>(&body)) {
        RunPick(*pick, screen);
    } else if (std::holds_alternative<command::AnswerMessage>(body)) {
        RunAnswer(screen);
    } else {
        RunTimeStep(body, screen);
    }
}

void ScenarioPlayer::RunWindowAction(const CommandBody& body, const ScenarioScreen& screen) {
    if (auto blocked = Blocked(screen)) {
        Fail(std::move(*blocked));
        return;
    }
    ActionPlan plan = PlanWindowAction(body, *screen.Window());
    if (plan.failure) {
        Fail(std::move(*plan.failure));
        return;
    }
    pending_.insert(pending_.end(), plan.actions.begin(), plan.actions.end());
}

// An expected message box is read, then closed with OK, as the user does.
void ScenarioPlayer::RunMessageExpectation(const ScenarioScreen& screen) {
    if (auto mismatch = CheckScreen(current_->body, screen)) {
        Fail(std::move(*mismatch));
        return;
    }
    pending_.push_back(Simple(ActionKind::AnswerMessageBox, kIdOk));
}

void ScenarioPlayer::RunAnswer(const ScenarioScreen& screen) {
    if (screen.OpenMessageBox() == nullptr) {
        Fail({"a message box to answer", "no message box is open"});
        return;
    }
    pending_.push_back(Simple(ActionKind::AnswerMessageBox, kIdOk));
}

// Files go to the open file dialog, or wait for the next one to open.
void ScenarioPlayer::RunPick(const command::PickFiles& pick, const ScenarioScreen& screen) {
    if (screen.OpenFileDialog() != nullptr) {
        pending_.push_back(AnswerFiles(pick.paths));
    } else {
        armedFiles_ = pick.paths;
    }
}

void ScenarioPlayer::RunTimeStep(const CommandBody& body, const ScenarioScreen& screen) {
    if (screen.ProgramEnded()) {
        Fail({"the program running", "the program has ended"});
        return;
    }
    if (const auto* advance = std::get_if<command::Advance>(&body)) {
        pending_.push_back(Simple(ActionKind::Advance, advance->ms));
    } else if (const auto* wait = std::get_if<command::Wait>(&body)) {
        waitUntil_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(wait->ms);
        if (auto first = ContinueWait()) {
            pending_.push_back(std::move(*first));
        }
    }
}

// The backend's wait returns as soon as data arrives; the scenario's wait goes on until its
// time is up, so that every printer's answer is in whatever order they come.
std::optional<UserAction> ScenarioPlayer::ContinueWait() {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*waitUntil_ - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
        waitUntil_.reset();
        return std::nullopt;
    }
    return Simple(ActionKind::Wait, static_cast<int>(left.count()));
}

std::optional<Mismatch> ScenarioPlayer::Blocked(const ScenarioScreen& screen) const {
    if (screen.ProgramEnded() || screen.Window() == nullptr) {
        return Mismatch{"a window to act on", "the program has ended"};
    }
    if (const MessageBoxRequest* box = screen.OpenMessageBox()) {
        return Mismatch{"a window to act on", "a message box is open: " + Quoted(box->text)};
    }
    if (const FileDialogRequest* files = screen.OpenFileDialog()) {
        return Mismatch{"a window to act on", "a file dialog is open: " + Quoted(files->title)};
    }
    return std::nullopt;
}

void ScenarioPlayer::Fail(Mismatch mismatch) {
    Fail(current_->line, current_->source, std::move(mismatch));
}

void ScenarioPlayer::Fail(int line, const std::string& command, Mismatch mismatch) {
    failure_ = ScenarioFailure{line, command, std::move(mismatch)};
    pending_.clear();
}

}  // namespace lanvane::scenario
