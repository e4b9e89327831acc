// lanvane-scenario-qt FILE...: plays each scenario file at the program on its real Qt
// widgets (offscreen unless a platform is chosen).
#include <QApplication>

#include "tools/scenario/ScenarioFileRunner.h"
#include "tools/scenario/qt/QtScenarioRunner.h"

int main(int argc, char** argv) {
    using namespace lanvane::scenario;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return PlayScenarioFiles(argc, argv, "lanvane-scenario-qt", " (Qt)", PlayScenarioOnQt);
}
