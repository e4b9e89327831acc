#include "ui/qt/QtScript.h"

#include <QElapsedTimer>
#include <memory>

#include "ui/qt/QtBackend.h"

namespace lanvane {

namespace {

constexpr int kPollMs = 2;
constexpr int kStuckRetryMs = 10;

}  // namespace

QtScript::QtScript(const QtBackend& ui, int timeLimitMs, Stuck stuck) : ui_(ui), stuck_(std::move(stuck)) {
    timeLimit_.setInterval(timeLimitMs);
    QObject::connect(&timeLimit_, &QTimer::timeout, [this] { OutOfTime(); });
}

QtScript::~QtScript() {
    timeLimit_.stop();
}

QtScript& QtScript::Then(std::function<void()> step) {
    steps_.push_back(Entry{std::move(step), {}});
    return *this;
}

QtScript& QtScript::WaitUntil(std::function<bool()> condition) {
    steps_.push_back(Entry{{}, std::move(condition)});
    return *this;
}

QtScript& QtScript::Pause(int ms) {
    auto started = std::make_shared<QElapsedTimer>();
    return WaitUntil([started, ms] {
        if (!started->isValid()) {
            started->start();
        }
        return started->hasExpired(ms);
    });
}

void QtScript::Start() {
    timeLimit_.start();
    // The time limit is the context: pending steps go with the script.
    QTimer::singleShot(0, &timeLimit_, [this] { Next(); });
}

void QtScript::Next() {
    if (steps_.empty()) {
        return;
    }
    if (ui_.PaintingDuringExchange()) {
        QTimer::singleShot(kPollMs, &timeLimit_, [this] { Next(); });
        return;
    }
    Entry entry = steps_.front();
    if (entry.condition && !entry.condition()) {
        QTimer::singleShot(kPollMs, &timeLimit_, [this] { Next(); });
        return;
    }
    steps_.pop_front();
    // The next step is due before this one runs, so that it runs inside a window this one opens.
    QTimer::singleShot(0, &timeLimit_, [this] { Next(); });
    if (entry.step) {
        entry.step();
    }
}

void QtScript::OutOfTime() {
    timedOut_ = true;
    steps_.clear();
    timeLimit_.setInterval(kStuckRetryMs);
    if (!stuck_ || stuck_()) {
        timeLimit_.stop();
    }
}

}  // namespace lanvane
