#pragma once

namespace lanvane::interrupt_report {

enum class Stream { Error, Output };

// Writes a text on a stream with a call that is safe inside a signal or console handler.
using PutText = void (*)(Stream stream, const char* text);

void SetProgramName(const char* name);

// Says on the standard error "<program>: interrupted by <cause>[ while <work>]" and, for a
// program whose output is one document, the same words inside it. Calls only `put` and
// lock-free atomics, so it may run in an interrupt handler.
void Say(const char* cause, PutText put);

}  // namespace lanvane::interrupt_report
