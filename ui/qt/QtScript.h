#pragma once

#include <QTimer>

#include "ui/StepScript.h"

namespace lanvane {

class QtBackend;

// Plays steps inside whatever modal loop runs: each step is taken on its own turn of the
// innermost loop. The time limit runs from Start until the script is destroyed; the stuck
// handler is called again every few milliseconds until it returns true. No step is taken
// while a blocking exchange repaints its window: the user cannot act then.
class QtScript : public StepScript {
public:
    QtScript(const QtBackend& ui, int timeLimitMs, Stuck stuck);
    ~QtScript() override;

    void Start() override;

private:
    void Next();
    void OutOfTime();

    const QtBackend& ui_;
    QTimer timeLimit_;
};

}  // namespace lanvane
