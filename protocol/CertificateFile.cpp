#include "protocol/CertificateFile.h"

#include <fstream>
#include <system_error>
#include <utility>

namespace lanvane {
namespace {

// Reads exactly `size` bytes, unbuffered, so that no copy of them lingers in a stream
// buffer.
bool ReadWhole(const std::filesystem::path& path, SecureBytes& bytes) {
    std::ifstream file;
    file.rdbuf()->pubsetbuf(nullptr, 0);
    file.open(path, std::ios::binary);
    if (!file) {
        return false;
    }
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<std::size_t>(file.gcount()) == bytes.size();
}

}  // namespace

CertificateOutcome ReadCertificateFile(const std::filesystem::path& path, SecureBytes& bytes) {
    bytes.Clear();
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        return CertificateOutcome::ReadFailed;
    }
    if (!std::filesystem::is_regular_file(status)) {
        return CertificateOutcome::TooLarge;
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        return CertificateOutcome::ReadFailed;
    }
    if (size >= kCertificateSizeLimit) {
        return CertificateOutcome::TooLarge;
    }
    SecureBytes read(static_cast<std::size_t>(size));
    if (!ReadWhole(path, read)) {
        return CertificateOutcome::ReadFailed;
    }
    bytes = std::move(read);
    return CertificateOutcome::Ok;
}

CertificateOutcome LoadCertificateFile(const std::filesystem::path& path, CertKind kind, SecureBytes& certData) {
    SecureBytes bytes;
    CertificateOutcome outcome = ReadCertificateFile(path, bytes);
    if (outcome == CertificateOutcome::Ok) {
        outcome = CheckCertificate(bytes.View(), kind);
    }
    certData.Clear();
    if (outcome == CertificateOutcome::Ok) {
        certData = std::move(bytes);
    }
    return outcome;
}

}  // namespace lanvane
