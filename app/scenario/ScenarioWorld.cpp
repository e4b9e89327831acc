#include "app/scenario/ScenarioWorld.h"

namespace lanvane::scenario {

AppContext ScenarioWorld::Context(UiBackend& ui, const ResourceSet& resources) {
    return AppContext{ui, resources, windows_, port_, devices_};
}

}  // namespace lanvane::scenario
