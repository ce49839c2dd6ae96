#include "cli/standard_input.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace orvanta::cli {
namespace {

std::string TemporaryFolder() {
    const char* folder = std::getenv("TMPDIR");
    return folder != nullptr && *folder != '\0' ? folder : "/tmp";
}

// Writes all of data; false with errno set when the system refuses.
bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Copies everything from one descriptor to the other; false with errno set on failure.
bool CopyAll(int from, int to) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        if (!WriteAll(to, buffer, static_cast<std::size_t>(got))) {
            return false;
        }
    }
}

} // namespace

StandardInputPage::~StandardInputPage() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool StandardInputPage::read(std::string& error) {
    if (fd_ >= 0) {
        return true;
    }
    std::string name = TemporaryFolder() + "/orvanta-cli-stdin-XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    ::unlink(name.c_str());
    if (!CopyAll(STDIN_FILENO, fd)) {
        error = std::strerror(errno);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    path_ = "/proc/self/fd/" + std::to_string(fd);
    return true;
}

} // namespace orvanta::cli
