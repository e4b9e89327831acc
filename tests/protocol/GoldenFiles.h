#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace lanvane::test {

// The golden frames of tests/data/golden, written by make_golden.py there.
inline std::vector<std::uint8_t> ReadGolden(const std::string& name) {
    std::ifstream file(std::string(LANVANE_TEST_DATA) + "/golden/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline const std::vector<std::string>& GoldenNames() {
    static const std::vector<std::string> names = {
        "sys_req.link", "sys_rsp.link", "if_cur_v1.link", "if_cur_v2.link", "bss_rsp.frame"};
    return names;
}

}  // namespace lanvane::test
