#include "cli/CheckedOutput.h"

#include <cerrno>
#include <cstring>

namespace lanvane::cli {

void CheckedOutput::MarkClosed() {
    closed_ = true;
}

bool CheckedOutput::Close() {
    const bool flushed = Pass(nullptr, 0);
    if (file_ != nullptr && std::fclose(file_) != 0 && flushed) {
        Fail();
    }
    file_ = nullptr;
    return !failure_;
}

CheckedOutput::int_type CheckedOutput::overflow(int_type character) {
    if (traits_type::eq_int_type(character, traits_type::eof())) {
        return traits_type::not_eof(character);
    }
    const char byte = traits_type::to_char_type(character);
    return Pass(&byte, 1) ? character : traits_type::eof();
}

std::streamsize CheckedOutput::xsputn(const char* text, std::streamsize count) {
    return Pass(text, static_cast<std::size_t>(count)) ? count : 0;
}

int CheckedOutput::sync() {
    return Pass(nullptr, 0) ? 0 : -1;
}

bool CheckedOutput::Pass(const char* text, std::size_t count) {
    if (failure_ || file_ == nullptr) {
        return false;
    }
    if (closed_) {
        // A command that writes nothing may run with its output closed.
        if (count > 0) {
            failure_ = "it is closed";
        }
        return count == 0;
    }
    errno = 0;
    if ((count > 0 && std::fwrite(text, 1, count, file_) != count) || std::fflush(file_) != 0) {
        Fail();
        return false;
    }
    return true;
}

void CheckedOutput::Fail() {
    failure_ = errno != 0 ? std::strerror(errno) : "the write failed";
}

}  // namespace lanvane::cli
