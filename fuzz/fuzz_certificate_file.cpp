// The certificate file check, on bytes in memory and on the same bytes read from a file.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "protocol/Certificate.h"
#include "protocol/CertificateFile.h"
#include "protocol/SecureBytes.h"

namespace lanvane::fuzz {
namespace {

// One file per fuzzing process, removed when it ends.
struct Scratch {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("lanvane-fuzz-certificate-" + std::to_string(getpid()));
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

const std::filesystem::path& ScratchFile() {
    static const Scratch scratch;
    return scratch.path;
}

void CheckInMemory(const std::vector<std::uint8_t>& bytes, CertificateOutcome outcome) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    Check(outcome != CertificateOutcome::ReadFailed, "bytes in memory are never a read failure");
    Check((outcome == CertificateOutcome::TooLarge) == (bytes.size() >= kCertificateSizeLimit),
          "only a file of 3072 bytes or more is too large");
    if (outcome == CertificateOutcome::Ok) {
        Check(text.starts_with("-----BEGIN "), "an accepted file starts with the begin marker");
        Check(text.substr(0, text.find('\0')).find("-----END") != std::string_view::npos,
              "an accepted file has the end marker before its first NUL");
    }
}

void CheckFromFile(const std::vector<std::uint8_t>& bytes, CertKind kind, CertificateOutcome inMemory) {
    {
        std::ofstream file(ScratchFile(), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    SecureBytes loaded(3);
    const CertificateOutcome outcome = LoadCertificateFile(ScratchFile(), kind, loaded);
    Check(outcome == inMemory, "the file and the bytes get the same verdict");
    Check(outcome == CertificateOutcome::Ok ? std::equal(bytes.begin(), bytes.end(), loaded.data(),
                                                         loaded.data() + loaded.size())
                                            : loaded.empty(),
          "an accepted file is held whole, a refused one not at all");
}

}  // namespace
}  // namespace lanvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lanvane;
    const std::vector<std::uint8_t> bytes(data, data + size);
    for (const CertKind kind : {CertKind::CA, CertKind::ClientKey, CertKind::ClientPem}) {
        const CertificateOutcome outcome = CheckCertificate(bytes, kind);
        fuzz::CheckInMemory(bytes, outcome);
        fuzz::CheckFromFile(bytes, kind, outcome);
    }
    return 0;
}
