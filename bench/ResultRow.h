#pragma once

#include <string>

namespace lanvane::bench {

// One line of the benchmark table: what was measured, the figures, the floor it is held
// against, the ratio of the two, the target and whether it was met. Printed tab-separated
// so that scripts/bench.sh can gather the rows of every benchmark into one table.
struct ResultRow {
    std::string benchmark;
    std::string job;
    std::string figures;
    std::string floor;
    double ratio = 0;
    std::string target;
    bool met = false;
};

void PrintRow(const ResultRow& row);

// "842 ms", "1.5 s".
std::string Duration(double milliseconds);

}  // namespace lanvane::bench
