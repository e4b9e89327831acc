// The serial/USB jobs of lanvane-cli against the simulated printer paced at 115200 baud,
// side by side with a minimal client that runs the same exchanges over a bare channel, both
// held against the floor: the bytes on the wire at ten bits a byte plus the waits the
// printer channel mandates.
//   lanvane-bench-serial BIN_DIR WORK_DIR
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include "bench/ResultRow.h"
#include "bench/posix/ChildProgram.h"
#include "bench/posix/CountingSerialChannel.h"
#include "protocol/CertificateUpload.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/Framing.h"
#include "protocol/PrinterConfigReader.h"
#include "protocol/PrinterConfigWriter.h"

namespace {

using namespace lanvane;
using namespace lanvane::bench;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr int kBaud = 115200;
constexpr double kBitsPerByte = 10;
constexpr double kIdentificationWait = 200;
constexpr double kReplyEnd = 100;
constexpr double kChunkPause = 50;
constexpr std::size_t kCertificateSize = 3071;
constexpr int kRounds = 2;
constexpr double kTarget = 1.10;
constexpr std::chrono::milliseconds kJobLimit{30000};

// What the minimal client measured of one job.
struct Measured {
    double milliseconds = 0;
    std::size_t bytes = 0;
    int replies = 0;
    bool ok = false;
};

const Sleeper kPause = [](std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); };

double FloorOf(const Measured& job, int chunks, bool identified) {
    return static_cast<double>(job.bytes) * kBitsPerByte * 1000 / kBaud + (identified ? kIdentificationWait : 0) +
           kReplyEnd * job.replies + kChunkPause * chunks;
}

using ClientJob = std::function<bool(ByteChannel&, ExchangeBuffers&)>;

Measured RunClient(const std::string& device, const ClientJob& job) {
    CountingSerialChannel channel(device);
    auto buffers = std::make_unique<ExchangeBuffers>();
    const auto start = std::chrono::steady_clock::now();
    Measured measured;
    measured.ok = channel.Open() && job(channel, *buffers);
    measured.milliseconds = Milliseconds(std::chrono::steady_clock::now() - start).count();
    measured.bytes = channel.BytesOnTheWire();
    measured.replies = channel.Replies();
    return measured;
}

Measured BestClient(const std::string& device, const ClientJob& job) {
    Measured best = RunClient(device, job);
    for (int round = 1; round < kRounds; ++round) {
        const Measured again = RunClient(device, job);
        best = again.ok && again.milliseconds < best.milliseconds ? again : best;
    }
    return best;
}

TimedRun BestCli(const std::vector<std::string>& arguments) {
    TimedRun best = RunTimed(arguments, kJobLimit);
    for (int round = 1; round < kRounds; ++round) {
        TimedRun again = RunTimed(arguments, kJobLimit);
        best = again.status == 0 && again.elapsed < best.elapsed ? again : best;
    }
    return best;
}

bool ReadJob(ByteChannel& channel, ExchangeBuffers& buffers) {
    return ReadPrinterConfig(channel, buffers, kPause).outcome == ReadOutcome::Ok;
}

bool WriteJob(ByteChannel& channel, ExchangeBuffers& buffers) {
    ConfigReadResult printer = ReadPrinterConfig(channel, buffers, kPause);
    printer.config.printerName = "Bench";
    return printer.outcome == ReadOutcome::Ok && WritePrinterConfig(channel, buffers, printer.config) == WriteOutcome::Ok;
}

std::string Certificate() {
    const std::string begin = "-----BEGIN CERTIFICATE-----\n";
    const std::string end = "\n-----END CERTIFICATE-----\n";
    return begin + std::string(kCertificateSize - begin.size() - end.size(), 'A') + end;
}

void Report(const std::string& job, const Measured& client, const TimedRun& cli, double floor) {
    const double ratio = cli.elapsed.count() / floor;
    PrintRow({"serial 115200", job,
              "lanvane-cli " + Duration(cli.elapsed.count()) + (cli.status == 0 ? "" : " (FAILED)") +
                  "; minimal client " + Duration(client.milliseconds) + (client.ok ? "" : " (FAILED)") + " = " +
                  std::to_string(client.milliseconds / floor).substr(0, 4) + " x floor",
              Duration(floor) + " (" + std::to_string(client.bytes) + " bytes, " + std::to_string(client.replies) +
                  " replies)",
              ratio, "<= 1.10 x floor", cli.status == 0 && client.ok && ratio <= kTarget});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: lanvane-bench-serial BIN_DIR WORK_DIR\n");
        return 2;
    }
    const std::string bin = argv[1];
    const std::string work = argv[2];
    ChildProgram simulator({bin + "/lanvane-printer-sim", "--no-bss", "--layout", "2", "--pace-baud",
                            std::to_string(kBaud)});
    const auto device = simulator.LineStartingWith("channel: ", std::chrono::milliseconds(5000));
    if (!device) {
        std::fprintf(stderr, "lanvane-bench-serial: the simulator did not start\n");
        return 1;
    }
    const std::string cli = bin + "/lanvane-cli";
    const std::string settings = work + "/settings.json";
    const std::string certificatePath = work + "/certificate.pem";
    std::ofstream(settings) << R"({"printerName": "Bench"})";
    const std::string certificate = Certificate();
    std::ofstream(certificatePath) << certificate;

    const Measured read = BestClient(*device, ReadJob);
    Report("read", read, BestCli({cli, "read", "--usb", *device}), FloorOf(read, 0, true));

    const Measured write = BestClient(*device, WriteJob);
    Report("write (read, then write)", write, BestCli({cli, "write", "--usb", *device, "--set", settings}),
           FloorOf(write, 0, true));

    const auto chunks = static_cast<int>((kCertificateSize + CertificateChunkSize(kCertificateSize) - 1) /
                                         CertificateChunkSize(kCertificateSize));
    const Measured upload = BestClient(*device, [&](ByteChannel& channel, ExchangeBuffers& buffers) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(certificate.data());
        return ReadMakerName(channel, kPause, 1) == kMakerName &&
               UploadCertificate(channel, buffers, CertKind::CA, data, certificate.size(), {}, kPause) ==
                   UploadOutcome::Ok;
    });
    Report("certificate of 3071 bytes", upload,
           BestCli({cli, "cert", "--usb", *device, "--kind", "ca", "--file", certificatePath}),
           FloorOf(upload, chunks, true));
    return 0;
}
