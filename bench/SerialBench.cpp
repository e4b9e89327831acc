// The serial/USB jobs of lanvane-cli against the simulated printer paced at 115200 baud,
// side by side with two minimal clients that run the same exchanges over a bare channel:
// one ends each reply at its own end, one after 100 ms of silence as the classic program
// does. The wire floor is the bytes on the wire at ten bits a byte plus the waits the
// printer needs; the classic floor adds the 100 ms after each reply.
//   lanvane-bench-serial BIN_DIR WORK_DIR
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <span>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/ResultRow.h"
#include "bench/posix/ChildProgram.h"
#include "bench/posix/CountingSerialChannel.h"
#include "protocol/CertificateUpload.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/Identification.h"
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

// The floors of one job, from what a client counted.
struct Floors {
    double wire = 0;
    double classic = 0;
};

Floors FloorsOf(const Measured& job, int chunks) {
    const double wire = static_cast<double>(job.bytes) * kBitsPerByte * 1000 / kBaud + kIdentificationWait +
                        kChunkPause * chunks;
    return {wire, wire + kReplyEnd * job.replies};
}

using ClientJob = std::function<bool(ByteChannel&, ExchangeBuffers&)>;

Measured RunClient(const std::string& device, ReplyEnd end, const ClientJob& job) {
    CountingSerialChannel channel(device, end);
    auto buffers = std::make_unique<ExchangeBuffers>();
    const auto start = std::chrono::steady_clock::now();
    Measured measured;
    measured.ok = channel.Open() && job(channel, *buffers);
    measured.milliseconds = Milliseconds(std::chrono::steady_clock::now() - start).count();
    measured.bytes = channel.BytesOnTheWire();
    measured.replies = channel.Replies();
    return measured;
}

Measured BestClient(const std::string& device, ReplyEnd end, const ClientJob& job) {
    Measured best = RunClient(device, end, job);
    for (int round = 1; round < kRounds; ++round) {
        const Measured again = RunClient(device, end, job);
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

// A CA file the upload takes as it would a real one, near the 3071-byte limit: a 4096-bit
// RSA certificate and an EC one, made by openssl.
std::string Certificate(const std::string& work) {
    const std::string make = "openssl req -x509 -nodes -days 30 -subj /CN=Lanvane-bench -keyout " + work +
                             "/key.pem -out " + work + "/";
    if (std::system((make + "rsa.pem -newkey rsa:4096 2>/dev/null").c_str()) != 0 ||
        std::system((make + "ec.pem -newkey ec -pkeyopt ec_paramgen_curve:P-256 2>/dev/null").c_str()) != 0) {
        return {};
    }
    std::ostringstream both;
    both << std::ifstream(work + "/rsa.pem").rdbuf() << std::ifstream(work + "/ec.pem").rdbuf();
    return both.str();
}

std::string Ratio(double value) {
    return std::to_string(value).substr(0, 4);
}

// One job: lanvane-cli against the wire floor, beside the two minimal clients and the classic floor.
void Measure(const std::string& device, const std::string& job, const ClientJob& client, int chunks,
             const std::vector<std::string>& cliArguments) {
    const Measured atFrame = BestClient(device, ReplyEnd::Frame, client);
    const Measured classic = BestClient(device, ReplyEnd::Silence, client);
    const TimedRun cli = BestCli(cliArguments);
    const Floors floors = FloorsOf(classic, chunks);
    const double ratio = cli.elapsed.count() / floors.wire;
    PrintRow({"serial 115200", job,
              "lanvane-cli " + Duration(cli.elapsed.count()) + (cli.status == 0 ? "" : " (FAILED)") +
                  "; client at the reply's end " + Duration(atFrame.milliseconds) + (atFrame.ok ? "" : " (FAILED)") +
                  "; classic client " + Duration(classic.milliseconds) + (classic.ok ? "" : " (FAILED)") +
                  "; classic floor " + Duration(floors.classic) + " = " + Ratio(floors.classic / floors.wire) +
                  " x wire floor",
              "wire floor " + Duration(floors.wire) + " (" + std::to_string(classic.bytes) + " bytes, " +
                  std::to_string(classic.replies) + " replies)",
              ratio, "<= 1.10 x wire floor", cli.status == 0 && atFrame.ok && classic.ok && ratio <= kTarget});
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
    const std::string certificate = Certificate(work);
    if (certificate.empty()) {
        std::fprintf(stderr, "lanvane-bench-serial: openssl could not make the certificate\n");
        return 1;
    }
    std::ofstream(certificatePath) << certificate;

    Measure(*device, "read", ReadJob, 0, {cli, "read", "--usb", *device});
    Measure(*device, "write (read, then write)", WriteJob, 0, {cli, "write", "--usb", *device, "--set", settings});
    const std::size_t size = certificate.size();
    const auto chunks = static_cast<int>((size + CertificateChunkSize(size) - 1) / CertificateChunkSize(size));
    const ClientJob upload = [&](ByteChannel& channel, ExchangeBuffers& buffers) {
        const std::span data(reinterpret_cast<const std::uint8_t*>(certificate.data()), certificate.size());
        return ReadMakerName(channel, kPause, 1) == kMakerName &&
               UploadCertificate(channel, buffers, CertKind::CA, data, {}, kPause) == UploadOutcome::Ok;
    };
    Measure(*device, "certificate of " + std::to_string(size) + " bytes", upload, chunks,
            {cli, "cert", "--usb", *device, "--kind", "ca", "--file", certificatePath});
    return 0;
}
