#include "link/InterruptReport.h"

#include <atomic>

#include "link/InterruptRelease.h"

namespace lanvane {
namespace {

std::atomic<const char*> program{"lanvane"};
std::atomic<const char*> notice{nullptr};
std::atomic<const char*> outputOpening{nullptr};
std::atomic<const char*> outputClosing{nullptr};

void SayWhatWasCut(interrupt_report::Stream stream, const char* cause, interrupt_report::PutText put) {
    put(stream, "interrupted by ");
    put(stream, cause);
    if (const char* work = notice.load()) {
        put(stream, " while ");
        put(stream, work);
    }
}

}  // namespace

namespace interrupt_report {

void SetProgramName(const char* name) {
    program.store(name);
}

void Say(const char* cause, PutText put) {
    put(Stream::Error, program.load());
    put(Stream::Error, ": ");
    SayWhatWasCut(Stream::Error, cause, put);
    put(Stream::Error, "\n");
    if (const char* opening = outputOpening.load()) {
        put(Stream::Output, opening);
        SayWhatWasCut(Stream::Output, cause, put);
        put(Stream::Output, outputClosing.load());
    }
}

}  // namespace interrupt_report

void ReportInterruptOnOutput(const char* opening, const char* closing) {
    outputClosing.store(closing);
    outputOpening.store(opening);
}

InterruptNotice::InterruptNotice(const char* text) : previous_(notice.exchange(text)) {}

InterruptNotice::~InterruptNotice() {
    notice.store(previous_);
}

}  // namespace lanvane
