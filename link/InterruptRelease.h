#pragma once

namespace lanvane {

// A program that holds a printer device must not leave it locked or changed when it is
// interrupted (Ctrl-C, a terminal that goes away, a stop from the system). Once this is
// called, SIGINT, SIGTERM and SIGHUP give up every device the program holds (line
// settings put back, exclusive mode ended, closed), say on the standard error what was
// interrupted, and end the program with 128 + the signal number: 130, 143, 129.
void ReleaseDevicesOnInterrupt(const char* programName);

// For a program whose output is one document: the interruption's words ("interrupted by
// SIGTERM while ...", which hold no quote or backslash) are written to the standard output
// too, between `opening` and `closing`. Both texts must outlive the program's run.
void ReportInterruptOnOutput(const char* opening, const char* closing);

// Names the work in progress for that message while the object lives, and says what the
// printer may be left holding. The text must outlive the object (a literal).
class InterruptNotice {
public:
    explicit InterruptNotice(const char* text);
    ~InterruptNotice();
    InterruptNotice(const InterruptNotice&) = delete;
    InterruptNotice& operator=(const InterruptNotice&) = delete;

private:
    const char* previous_;
};

// The work the programs name, with what an interruption may leave on the printer.
namespace interrupted {
inline constexpr const char* kReadingRecord =
    "reading the printer's configuration: nothing on the printer was changed";
inline constexpr const char* kWritingRecord =
    "writing the configuration record: the printer may hold a partial record; read it back before use";
inline constexpr const char* kUploadingCertificate =
    "uploading a certificate: the printer may hold a partial certificate; upload it again";
}  // namespace interrupted

}  // namespace lanvane
