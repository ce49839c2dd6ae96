#include "fuzz/fuzz_input.h"

#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace orvanta::fuzz {

MemoryFile::MemoryFile() : fd_(::memfd_create("orvanta-fuzz", 0)) {
    if (fd_ < 0) {
        std::abort();
    }
    path_ = "/proc/self/fd/" + std::to_string(fd_);
}

void MemoryFile::write(std::string_view bytes) {
    if (::ftruncate(fd_, 0) != 0 ||
        ::pwrite(fd_, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
        std::abort();
    }
}

} // namespace orvanta::fuzz
