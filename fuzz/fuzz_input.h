#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

namespace orvanta::fuzz {

// Ends the run with a crash the fuzzer reports when a property of the code under test fails.
inline void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// A file in memory that stands for a page or settings file on disk: each input replaces its
// content, and the engine opens it by name like any regular file.
class MemoryFile {
public:
    MemoryFile()
        : fd_(::memfd_create("orvanta-fuzz", 0)), path_("/proc/self/fd/" + std::to_string(fd_)) {
        Require(fd_ >= 0);
    }
    void write(std::string_view bytes) {
        Require(::ftruncate(fd_, 0) == 0 &&
                ::pwrite(fd_, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()));
    }
    const std::string& path() const { return path_; }

private:
    int fd_;
    std::string path_;
};

// Takes option values from the front of the input, one byte each; zero once the input is spent.
class ByteTaker {
public:
    ByteTaker(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t take() { return size_ == 0 ? 0 : (--size_, *data_++); }
    int upTo(int highest) { return take() % (highest + 1); }
    std::string_view rest() const { return {reinterpret_cast<const char*>(data_), size_}; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

} // namespace orvanta::fuzz
