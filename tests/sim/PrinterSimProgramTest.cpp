#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "PosixTestIo.h"
#include "PrinterDriver.h"
#include "ProgramSide.h"
#include "WireText.h"
#include "sim/SimRecordLayout.h"

extern char** environ;

namespace lanvane::sim {
namespace {

using namespace test;
using std::chrono::milliseconds;

// The printer simulator run as a child process with its standard output on a pipe.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> arguments) {
        int output[2];
        if (pipe2(output, O_CLOEXEC) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
        arguments.insert(arguments.begin(), LANVANE_PRINTER_SIM);
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(output[1]);
        output_ = output[0];
    }

    ~SimProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (output_ >= 0) {
            close(output_);
        }
    }

    // Standard output until `marker` appeared in it, the output ended or a second passed.
    std::string OutputUntil(const std::string& marker) {
        while (text_.find(marker) == std::string::npos) {
            const Bytes more = ReadFor(output_, 1, milliseconds(1000));
            if (more.empty()) {
                break;
            }
            text_.append(more.begin(), more.end());
        }
        return text_;
    }

    // Sends `signal` and returns the exit status, or -1 when the process did not end in time.
    int StopWith(int signal) {
        kill(pid_, signal);
        return Wait();
    }

    int Wait() {
        for (int attempt = 0; attempt < 200; ++attempt) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(milliseconds(10));
        }
        return -1;
    }

    bool Running() const { return pid_ > 0; }

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string text_;
};

std::string LineValue(const std::string& text, const std::string& key) {
    const std::size_t at = text.find(key);
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t start = at + key.size();
    return text.substr(start, text.find('\n', start) - start);
}

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(PrinterSimProgram, ServesTheChannelAndDumpsWhatItHoldsOnExit) {
    TempDir dir;
    SimProcess sim({"--layout", "2", "--link", dir / "printer", "--bss-port", "0", "--dump-on-exit",
                    dir / "state.json"});
    ASSERT_TRUE(sim.Running());
    const std::string output = sim.OutputUntil("bss: ");
    EXPECT_EQ(LineValue(output, "channel: ").rfind("/dev/pts/", 0), 0u) << output;
    EXPECT_EQ(LineValue(output, "bss: ").rfind("127.0.0.1:", 0), 0u) << output;

    const int port = open((dir / "printer").c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(port, 0);
    PrinterRecord record = DefaultPrinterState(2).record;
    record.printerName = "Front Desk";
    ASSERT_TRUE(WriteWhole(port, LinkRequestFor(Joined({Text("__[I_F]__[IF__SET]"), SimRecordLayout::Encode(record)}))));
    EXPECT_EQ(ReadFor(port, kIfSucReply.size(), milliseconds(1000)), kIfSucReply);
    close(port);

    EXPECT_EQ(sim.StopWith(SIGTERM), 0);
    const std::string dump = FileText(dir / "state.json");
    EXPECT_NE(dump.find("\"printerName\": \"Front Desk\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"layout\": 2"), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"ipAddress\": \"192.168.0.100\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"if-set\""), std::string::npos) << dump;
}

TEST(PrinterSimProgram, AnswersLanSearchesAsSeveralPrintersAndDumpsTheirSettings) {
    TempDir dir;
    SimProcess sim({"--no-bss", "--lan-ethernet", "2", "--lan-wlan", "1", "--lan-ethernet-port", "0",
                    "--lan-wlan-port", "0", "--lan-repeat", "2", "--dump-on-exit", dir / "state.json"});
    const std::string output = sim.OutputUntil("lan-wlan: ");
    const int ethernetPort = std::atoi(LineValue(output, "lan-ethernet: ").c_str());
    ASSERT_GT(ethernetPort, 0) << output;
    ProgramSide program;
    program.Broadcast("FIND", static_cast<std::uint16_t>(ethernetPort));
    EXPECT_EQ(program.Replies(milliseconds(300)).size(), 4u) << "two printers, each reply sent twice";

    EXPECT_EQ(sim.StopWith(SIGTERM), 0);
    const std::string dump = FileText(dir / "state.json");
    EXPECT_NE(dump.find("\"mac\": \"00:1a:2b:e0:00:02\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"ip\": \"127.0.20.1\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"searchesAnswered\": 1"), std::string::npos) << dump;
}

TEST(PrinterSimProgram, RefusesAnUnknownLayoutOrFault) {
    SimProcess layout({"--layout", "3", "--no-bss"});
    EXPECT_NE(layout.Wait(), 0);
    SimProcess fault({"--fault", "melt", "--no-bss"});
    EXPECT_NE(fault.Wait(), 0);
    SimProcess lanFault({"--lan-fault", "melt", "--no-bss"});
    EXPECT_NE(lanFault.Wait(), 0);
}

}  // namespace
}  // namespace lanvane::sim
