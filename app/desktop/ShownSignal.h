#pragma once

namespace lanvane {

// For the start benchmark: when the environment variable LANVANE_EXIT_WHEN_SHOWN is set,
// the first window shown (the main menu) prints "shown" on standard output and ends the
// program at once, so that a timer outside sees when the menu appeared and how much
// memory it took to get there. Does nothing otherwise.
void ExitWhenMainMenuShownIfAsked();

}  // namespace lanvane
