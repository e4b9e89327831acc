#pragma once

#include <windows.h>

#include <atomic>
#include <string>

namespace lanvane::test {

// A printer on the far end of a named pipe: the nearest thing to a USB printer device a
// test can open. It takes nothing from the pipe, so a long write fills it up.
class FakeUsbPrinter {
public:
    FakeUsbPrinter() : path_(NextPath()) {
        pipe_ = CreateNamedPipeA(path_.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT,
                                 1, 4096, 4096, 0, nullptr);
    }
    ~FakeUsbPrinter() { CloseHandle(pipe_); }
    FakeUsbPrinter(const FakeUsbPrinter&) = delete;
    FakeUsbPrinter& operator=(const FakeUsbPrinter&) = delete;

    const std::string& Path() const { return path_; }

    void Send(const std::string& bytes) {
        ConnectNamedPipe(pipe_, nullptr);
        DWORD written = 0;
        WriteFile(pipe_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }

private:
    static std::string NextPath() {
        static std::atomic<int> count{0};
        return "\\\\.\\pipe\\lanvane-printer-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(count++);
    }

    std::string path_;
    HANDLE pipe_ = INVALID_HANDLE_VALUE;
};

}  // namespace lanvane::test
