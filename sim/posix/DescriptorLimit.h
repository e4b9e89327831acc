#pragma once

namespace lanvane::sim {

// Lifts this process's limit of open descriptors to the most it may have: a survey port
// for each of a thousand wireless printers passes the usual soft limit of 1024.
void RaiseDescriptorLimit();

}  // namespace lanvane::sim
