#include "SimRig.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>

namespace lanvane::cli::test {

SimRig::SimRig(int layout, sim::FaultPlan faults)
    : printer_(std::make_unique<sim::SimulatedPrinter>(sim::DefaultPrinterState(layout), faults)),
      channel_(std::make_unique<sim::PtyPrinterServer>(*printer_)),
      survey_(std::make_unique<sim::BssTcpServer>(*printer_, "127.0.0.1", 0)) {
    serving_ = channel_->Start() && survey_->Start();
}

bool SimRig::Took(sim::RequestKind kind) const {
    const auto history = printer_->History();
    return std::any_of(history.begin(), history.end(),
                       [kind](const sim::HandledRequest& request) { return request.kind == kind; });
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lanvane-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        path_ = pattern;
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::WriteFile(const std::string& name, const std::string& text) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << text;
    return file.string();
}

}  // namespace lanvane::cli::test
