#pragma once

namespace lanvane {

// Results of a modal dialog or message box, and the ids of the buttons that give them.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

}  // namespace lanvane
