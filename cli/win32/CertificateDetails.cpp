#include "cli/CertificateDetails.h"

#include <windows.h>
#include <wincrypt.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/win32/WideText.h"

namespace lanvane::cli {
namespace {

using Certificate = std::unique_ptr<const CERT_CONTEXT, decltype(&CertFreeCertificateContext)>;

// FILETIME counts 100 ns steps from 1601-01-01; the Unix epoch is this many seconds later.
constexpr std::int64_t kEpochSince1601 = 11644473600;
constexpr std::int64_t kTicksPerSecond = 10000000;

std::optional<std::vector<BYTE>> DerOf(std::string_view pemBlock) {
    DWORD size = 0;
    const auto length = static_cast<DWORD>(pemBlock.size());
    if (!CryptStringToBinaryA(pemBlock.data(), length, CRYPT_STRING_BASE64HEADER, nullptr, &size, nullptr,
                              nullptr)) {
        return std::nullopt;
    }
    std::vector<BYTE> der(size);
    if (!CryptStringToBinaryA(pemBlock.data(), length, CRYPT_STRING_BASE64HEADER, der.data(), &size, nullptr,
                              nullptr)) {
        return std::nullopt;
    }
    der.resize(size);
    return der;
}

// RFC 2253 order (most specific part first), ", " between the parts, values unquoted as
// OpenSSL shows them.
std::string SubjectOf(const CERT_CONTEXT& certificate) {
    CERT_NAME_BLOB* name = &certificate.pCertInfo->Subject;
    constexpr DWORD kFormat = CERT_X500_NAME_STR | CERT_NAME_STR_REVERSE_FLAG | CERT_NAME_STR_NO_QUOTING_FLAG;
    const DWORD size = CertNameToStrW(X509_ASN_ENCODING, name, kFormat, nullptr, 0);
    std::wstring text(size, L'\0');
    CertNameToStrW(X509_ASN_ENCODING, name, kFormat, text.data(), size);
    text.resize(size > 0 ? size - 1 : 0);
    return win32::WideToUtf8(text);
}

std::chrono::sys_seconds SecondsOf(const FILETIME& time) {
    const std::int64_t ticks =
        static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    return std::chrono::sys_seconds{std::chrono::seconds{ticks / kTicksPerSecond - kEpochSince1601}};
}

}  // namespace

std::optional<CertificateDetails> ReadCertificateDetails(std::string_view pemBlock) {
    const auto der = DerOf(pemBlock);
    if (!der) {
        return std::nullopt;
    }
    const Certificate certificate(
        CertCreateCertificateContext(X509_ASN_ENCODING, der->data(), static_cast<DWORD>(der->size())),
        CertFreeCertificateContext);
    if (!certificate) {
        return std::nullopt;
    }
    return CertificateDetails{SubjectOf(*certificate), SecondsOf(certificate->pCertInfo->NotBefore),
                              SecondsOf(certificate->pCertInfo->NotAfter)};
}

}  // namespace lanvane::cli
