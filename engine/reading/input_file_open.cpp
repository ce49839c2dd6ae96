#include "engine/reading/input_file_open.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanta {
namespace {

OpenedInput Fault(InputOpenFault fault, std::string error) {
    OpenedInput result;
    result.fault = fault;
    result.error = std::move(error);
    return result;
}

OpenedInput SystemFault(int error) {
    const bool missing = error == ENOENT || error == ENOTDIR;
    return Fault(missing ? InputOpenFault::NotFound : InputOpenFault::Unreadable,
                 std::strerror(error));
}

} // namespace

OpenedInput OpenInputFile(const std::string& path) {
    // Non-blocking, so that opening a FIFO without a writer returns at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == EISDIR) {
            return Fault(InputOpenFault::Folder, "Is a folder");
        }
        return SystemFault(errno);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return SystemFault(error);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return S_ISDIR(info.st_mode) ? Fault(InputOpenFault::Folder, "Is a folder")
                                     : Fault(InputOpenFault::NotRegular, "Not a regular file");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    OpenedInput result;
    result.file = ::fdopen(fd, "rb");
    if (result.file == nullptr) {
        const int error = errno;
        ::close(fd);
        return SystemFault(error);
    }
    result.size = static_cast<std::uint64_t>(info.st_size);
    return result;
}

std::string LineTooLongError(std::int64_t lineNumber, std::size_t limit) {
    const bool wholeMiB = limit % (std::size_t{1} << 20) == 0;
    const std::string shown =
        wholeMiB ? std::to_string(limit >> 20) + " MiB" : std::to_string(limit) + " bytes";
    return "Line " + std::to_string(lineNumber) + " is longer than " + shown;
}

} // namespace orvanta
