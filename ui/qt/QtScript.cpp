#include "ui/qt/QtScript.h"

#include "ui/qt/QtBackend.h"

namespace lanvane {

namespace {

constexpr int kPollMs = 2;
constexpr int kStuckRetryMs = 10;

}  // namespace

QtScript::QtScript(const QtBackend& ui, int timeLimitMs, Stuck stuck) : StepScript(std::move(stuck)), ui_(ui) {
    timeLimit_.setInterval(timeLimitMs);
    QObject::connect(&timeLimit_, &QTimer::timeout, [this] { OutOfTime(); });
}

QtScript::~QtScript() {
    timeLimit_.stop();
}

void QtScript::Start() {
    timeLimit_.start();
    // The time limit is the context: pending steps go with the script.
    QTimer::singleShot(0, &timeLimit_, [this] { Next(); });
}

void QtScript::Next() {
    if (!StepsLeft()) {
        return;
    }
    std::optional<std::function<void()>> step;
    if (!ui_.PaintingDuringExchange()) {
        step = TakeDueStep();
    }
    if (!step) {
        QTimer::singleShot(kPollMs, &timeLimit_, [this] { Next(); });
        return;
    }
    // The next step is due before this one runs, so that it runs inside a window this one opens.
    QTimer::singleShot(0, &timeLimit_, [this] { Next(); });
    if (*step) {
        (*step)();
    }
}

void QtScript::OutOfTime() {
    timeLimit_.setInterval(kStuckRetryMs);
    if (GiveUp()) {
        timeLimit_.stop();
    }
}

}  // namespace lanvane
