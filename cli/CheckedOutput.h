#pragma once

#include <cstdio>
#include <optional>
#include <streambuf>
#include <string>

namespace lanvane::cli {

// The results' stream over a C stream (the standard output), each write passed on and
// flushed at once and its failure kept: a backup written to a full disk, /dev/full or a
// closed output must not end in success with the file empty.
class CheckedOutput : public std::streambuf {
public:
    explicit CheckedOutput(std::FILE* file) : file_(file) {}
    CheckedOutput(const CheckedOutput&) = delete;
    CheckedOutput& operator=(const CheckedOutput&) = delete;

    // For an output the program was started without: every write fails, and so does the
    // close after one.
    void MarkClosed();
    // Flushes and closes the stream; false when it or any write before failed.
    bool Close();
    // Why the first failed write failed, in the system's words.
    std::optional<std::string> Failure() const { return failure_; }

protected:
    int_type overflow(int_type character) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    bool Pass(const char* text, std::size_t count);
    void Fail();

    std::FILE* file_;
    bool closed_ = false;
    std::optional<std::string> failure_;
};

}  // namespace lanvane::cli
