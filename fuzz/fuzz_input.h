#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta::fuzz {

// A file in memory that stands for a page or settings file on disk: each input replaces its
// content, and the engine opens it by name like any regular file.
class MemoryFile {
public:
    MemoryFile();
    void write(std::string_view bytes);
    const std::string& path() const { return path_; }

private:
    int fd_ = -1;
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
