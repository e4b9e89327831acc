#pragma once

#include "app/AppContext.h"
#include "app/AppWindows.h"
#include "app/LanRoad.h"
#include "tools/scenario/BenchDeviceSource.h"
#include "tools/scenario/PrinterBench.h"

namespace lanvane::scenario {

// What a scenario run puts around the program instead of real devices and networks: the
// bench of simulated printers, the port and device list that lead to its USB printers, and
// a LAN road that broadcasts on the loopback network to its LAN printers. Any backend runs
// the program in it with the context it gives.
class ScenarioWorld {
public:
    ScenarioWorld();
    ScenarioWorld(const ScenarioWorld&) = delete;
    ScenarioWorld& operator=(const ScenarioWorld&) = delete;

    PrinterBench& Bench() { return bench_; }
    // The program's context over this world; lives as long as the world.
    AppContext Context(UiBackend& ui, const ResourceSet& resources);

private:
    LanRoad lan_;
    PrinterBench bench_{lan_};
    BenchDeviceSource devices_{bench_};
    AppWindows windows_;
};

}  // namespace lanvane::scenario
