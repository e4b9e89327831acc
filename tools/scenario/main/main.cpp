// lanvane-scenario FILE...: plays each scenario file at the program, headless.
#include "tools/scenario/ScenarioFileRunner.h"
#include "tools/scenario/headless/HeadlessScenarioRunner.h"

int main(int argc, char** argv) {
    using namespace lanvane::scenario;
    return PlayScenarioFiles(argc, argv, "lanvane-scenario", "", PlayScenarioHeadless);
}
