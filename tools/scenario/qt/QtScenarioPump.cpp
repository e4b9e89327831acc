#include "tools/scenario/qt/QtScenarioPump.h"

#include "tools/scenario/qt/WidgetActions.h"

namespace lanvane::scenario {

std::string QtScenarioPump::Perform(const UserAction& action) {
    return PerformOnWidgets(Ui(), action);
}

void QtScenarioPump::Schedule(std::chrono::milliseconds delay) {
    QTimer::singleShot(delay, Qt::PreciseTimer, &owner_, [this] { Turn(); });
}

}  // namespace lanvane::scenario
