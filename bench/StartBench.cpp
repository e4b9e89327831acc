// Desktop start: from exec to the main menu shown, and the memory it took, for lanvane and
// for a bare Qt dialog program on the same toolkit, alternately, offscreen.
//   lanvane-bench-start LANVANE BARE_DIALOG
#include <algorithm>
#include <cstdio>

#include "bench/ResultRow.h"
#include "bench/posix/ChildProgram.h"

namespace {

using namespace lanvane::bench;

constexpr int kRounds = 11;
constexpr double kTimeTarget = 1.05;
constexpr double kMemoryTarget = 60;  // megabytes
constexpr std::chrono::milliseconds kShownLimit{20000};

struct Start {
    double milliseconds = 0;
    double megabytes = 0;
    bool shown = false;
};

Start StartOnce(const std::string& program) {
    const auto start = std::chrono::steady_clock::now();
    ChildProgram child({program}, {{"QT_QPA_PLATFORM", "offscreen"}, {"LANVANE_EXIT_WHEN_SHOWN", "1"}});
    Start measured;
    measured.shown = child.LineStartingWith("shown", kShownLimit).has_value();
    measured.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    child.OutputUntilEnd(kShownLimit);
    measured.megabytes = static_cast<double>(child.PeakKilobytes()) / 1024;
    return measured;
}

// The median time of the rounds, and the largest memory.
Start Summary(std::vector<Start> starts) {
    std::sort(starts.begin(), starts.end(), [](const Start& a, const Start& b) { return a.milliseconds < b.milliseconds; });
    Start summary = starts[starts.size() / 2];
    for (const Start& start : starts) {
        summary.megabytes = std::max(summary.megabytes, start.megabytes);
        summary.shown = summary.shown && start.shown;
    }
    return summary;
}

std::string Figures(const char* name, const Start& start) {
    char text[96];
    std::snprintf(text, sizeof text, "%s %.0f ms, %.0f MB%s", name, start.milliseconds, start.megabytes,
                  start.shown ? "" : " (NOT SHOWN)");
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: lanvane-bench-start LANVANE BARE_DIALOG\n");
        return 2;
    }
    std::vector<Start> ours;
    std::vector<Start> bare;
    for (int round = 0; round < kRounds; ++round) {
        ours.push_back(StartOnce(argv[1]));
        bare.push_back(StartOnce(argv[2]));
    }
    const Start lanvane = Summary(ours);
    const Start dialog = Summary(bare);
    const double ratio = lanvane.milliseconds / dialog.milliseconds;
    PrintRow({"desktop start", "main menu shown (median of 11)", Figures("lanvane", lanvane),
              Figures("bare Qt dialog", dialog), ratio, "<= 1.05 x bare, < 60 MB",
              lanvane.shown && dialog.shown && ratio <= kTimeTarget && lanvane.megabytes < kMemoryTarget});
    return 0;
}
