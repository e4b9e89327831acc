#include "cli/CertificateDetails.h"

#include <openssl/asn1.h>
#include <openssl/bio.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <ctime>
#include <memory>

namespace lanvane::cli {
namespace {

using Bio = std::unique_ptr<BIO, decltype(&BIO_free)>;
using Certificate = std::unique_ptr<X509, decltype(&X509_free)>;

// RFC 2253 order and escapes, ", " between the parts, UTF-8 kept as it is.
constexpr unsigned long kSubjectFlags =
    (XN_FLAG_RFC2253 & ~ASN1_STRFLGS_ESC_MSB & ~XN_FLAG_SEP_MASK) | XN_FLAG_SEP_CPLUS_SPC;

std::optional<std::string> SubjectOf(const X509& certificate) {
    const Bio text(BIO_new(BIO_s_mem()), BIO_free);
    if (!text || X509_NAME_print_ex(text.get(), X509_get_subject_name(&certificate), 0, kSubjectFlags) < 0) {
        return std::nullopt;
    }
    char* data = nullptr;
    const long size = BIO_get_mem_data(text.get(), &data);
    return std::string(data, static_cast<std::size_t>(size));
}

std::optional<std::chrono::sys_seconds> SecondsOf(const ASN1_TIME* time) {
    std::tm parts{};
    if (time == nullptr || ASN1_TIME_to_tm(time, &parts) != 1) {
        return std::nullopt;
    }
    using namespace std::chrono;
    const sys_days day = year{parts.tm_year + 1900} / month{static_cast<unsigned>(parts.tm_mon + 1)} /
                         std::chrono::day{static_cast<unsigned>(parts.tm_mday)};
    return day + hours{parts.tm_hour} + minutes{parts.tm_min} + seconds{parts.tm_sec};
}

}  // namespace

std::optional<CertificateDetails> ReadCertificateDetails(std::string_view pemBlock) {
    const Bio source(BIO_new_mem_buf(pemBlock.data(), static_cast<int>(pemBlock.size())), BIO_free);
    if (!source) {
        return std::nullopt;
    }
    const Certificate certificate(PEM_read_bio_X509(source.get(), nullptr, nullptr, nullptr), X509_free);
    if (!certificate) {
        return std::nullopt;
    }
    const auto subject = SubjectOf(*certificate);
    const auto notBefore = SecondsOf(X509_get0_notBefore(certificate.get()));
    const auto notAfter = SecondsOf(X509_get0_notAfter(certificate.get()));
    if (!subject || !notBefore || !notAfter) {
        return std::nullopt;
    }
    return CertificateDetails{*subject, *notBefore, *notAfter};
}

}  // namespace lanvane::cli
