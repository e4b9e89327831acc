// lanvane-scenario-win32 FILE...: plays each scenario file at the program on its real Win32
// windows (under Wine: the null display driver or an X server).
#include "tools/scenario/ScenarioFileRunner.h"
#include "tools/scenario/win32/Win32ScenarioRunner.h"

int main(int argc, char** argv) {
    using namespace lanvane::scenario;
    return PlayScenarioFiles(argc, argv, "lanvane-scenario-win32", " (Win32)", PlayScenarioOnWin32);
}
