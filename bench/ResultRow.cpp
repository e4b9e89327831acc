#include "bench/ResultRow.h"

#include <cstdio>

namespace lanvane::bench {

void PrintRow(const ResultRow& row) {
    std::printf("%s\t%s\t%s\t%s\t%.2f\t%s\t%s\n", row.benchmark.c_str(), row.job.c_str(), row.figures.c_str(),
                row.floor.c_str(), row.ratio, row.target.c_str(), row.met ? "met" : "MISSED");
    std::fflush(stdout);
}

std::string Duration(double milliseconds) {
    char text[32];
    if (milliseconds >= 10000) {
        std::snprintf(text, sizeof text, "%.1f s", milliseconds / 1000);
    } else if (milliseconds >= 10) {
        std::snprintf(text, sizeof text, "%.0f ms", milliseconds);
    } else {
        std::snprintf(text, sizeof text, "%.1f ms", milliseconds);
    }
    return text;
}

}  // namespace lanvane::bench
