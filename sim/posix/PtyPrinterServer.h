#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <string>
#include <thread>

#include "sim/SimulatedPrinter.h"
#include "sim/StopSignal.h"

namespace lanvane::sim {

// Serves the simulated printer on a pseudo-terminal in raw mode: the program opens the
// slave device (or the symbolic link to it) as it would open a printer device. Split and
// slow replies are written with real delays. The server keeps a slave descriptor open so
// that clients may open and close the device as often as they like; when the printer
// hangs up (planned disconnect) the pseudo-terminal is closed. Start once per object.
class PtyPrinterServer {
public:
    explicit PtyPrinterServer(SimulatedPrinter& printer);
    ~PtyPrinterServer();
    PtyPrinterServer(const PtyPrinterServer&) = delete;
    PtyPrinterServer& operator=(const PtyPrinterServer&) = delete;

    // Before Start(): takes and sends the channel's bytes no faster than a serial line at
    // `baud` (ten bits a byte): a request is handled once its bytes would have arrived, and
    // each reply burst goes out once its bytes would have left. 0: as fast as it goes.
    void PaceAt(int baud) { baud_ = baud; }

    // Opens the pseudo-terminal and starts serving. With a `linkPath`, a symbolic link to
    // the slave device is placed there (an existing symbolic link is replaced, any other
    // file is left alone and fails the start).
    bool Start(const std::string& linkPath = {});
    // Stops serving, closes the pseudo-terminal and removes the link. Returns promptly.
    void Stop();

    const std::string& DevicePath() const { return devicePath_; }
    const std::string& LinkPath() const { return linkPath_; }
    // False once stopped or hung up.
    bool Serving() const { return serving_; }

private:
    bool OpenTerminal();
    bool PlaceLink(const std::string& linkPath);
    void Serve();
    bool TakeInput();
    void AwaitLastReplyTaken();
    void CloseTerminal();

    std::chrono::milliseconds WireTime(std::size_t bytes) const;

    SimulatedPrinter& printer_;
    int baud_ = 0;
    int master_ = -1;
    int slave_ = -1;
    std::string devicePath_;
    std::string linkPath_;
    StopSignal stop_;
    std::thread thread_;
    std::atomic<bool> serving_{false};
};

}  // namespace lanvane::sim
