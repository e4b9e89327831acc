#include "app/posix/SharedLibraryCheck.h"

#include <elf.h>
#include <link.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <system_error>
#include <vector>

namespace lanvane {
namespace {

constexpr unsigned char kOwnClass = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;
// A language library has a few program headers; a count far beyond is no header of ours.
constexpr std::uint64_t kMostProgramHeaders = 64;

// Whether `count` entries of `size` bytes from `offset` lie within a file of `fileSize`.
bool Within(std::uint64_t offset, std::uint64_t count, std::uint64_t size, std::uint64_t fileSize) {
    return offset <= fileSize && (size == 0 || count <= (fileSize - offset) / size);
}

bool IsSharedObjectHeader(const ElfW(Ehdr)& header) {
    return std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 && header.e_ident[EI_CLASS] == kOwnClass &&
           header.e_type == ET_DYN && header.e_phentsize == sizeof(ElfW(Phdr)) && header.e_phnum > 0 &&
           header.e_phnum <= kMostProgramHeaders;
}

bool SegmentsWithin(std::ifstream& file, const ElfW(Ehdr)& header, std::uint64_t fileSize) {
    std::vector<ElfW(Phdr)> segments(header.e_phnum);
    file.seekg(static_cast<std::streamoff>(header.e_phoff));
    if (!file.read(reinterpret_cast<char*>(segments.data()),
                   static_cast<std::streamsize>(segments.size() * sizeof(ElfW(Phdr))))) {
        return false;
    }
    for (const ElfW(Phdr)& segment : segments) {
        if (!Within(segment.p_offset, segment.p_filesz, 1, fileSize)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::string> SharedLibraryFault(const std::filesystem::path& path) {
    std::error_code error;
    const std::uint64_t fileSize = std::filesystem::file_size(path, error);
    std::ifstream file(path, std::ios::binary);
    if (error || !file) {
        return "it cannot be read";
    }
    ElfW(Ehdr) header{};
    if (!file.read(reinterpret_cast<char*>(&header), sizeof header)) {
        return fileSize >= SELFMAG && std::memcmp(&header, ELFMAG, SELFMAG) == 0 ? "it is cut short"
                                                                                   : "it is not a shared library";
    }
    if (!IsSharedObjectHeader(header)) {
        return "it is not a shared library of this system";
    }
    if (!Within(header.e_phoff, header.e_phnum, header.e_phentsize, fileSize) ||
        !Within(header.e_shoff, header.e_shnum, header.e_shentsize, fileSize) ||
        !SegmentsWithin(file, header, fileSize)) {
        return "it is cut short";
    }
    return std::nullopt;
}

}  // namespace lanvane
