#include "tools/scenario/ScenarioWorld.h"

#include <chrono>

namespace lanvane::scenario {
namespace {

using std::chrono::milliseconds;

// Nothing leaves this machine: datagrams go to the loopback broadcast, from free local
// ports. The survey's waits are real time, and the loopback answers at once.
constexpr const char* kLoopbackBroadcast = "127.255.255.255";
constexpr milliseconds kSurveyConnectWait{500};
constexpr milliseconds kSurveyReceiveTimeout{300};

}  // namespace

ScenarioWorld::ScenarioWorld() {
    lan_.network.broadcastAddress = kLoopbackBroadcast;
    lan_.network.ethernet.localPort = 0;
    lan_.network.wlan.localPort = 0;
    lan_.surveyTimings.connectWait = kSurveyConnectWait;
    lan_.surveyTimings.receiveTimeout = kSurveyReceiveTimeout;
}

AppContext ScenarioWorld::Context(UiBackend& ui, const ResourceSet& resources) {
    return AppContext{ui, resources, windows_, bench_.Port(), devices_, lan_};
}

}  // namespace lanvane::scenario
