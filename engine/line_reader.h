#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace orvanta {

// Reads a file's raw lines without holding the whole file. A line ends at CR LF, CR or LF (so
// pages written on any platform split into their real lines); the terminator is not part of the
// line. A UTF-8 byte-order mark at the very start of the file is dropped. Only a regular file is
// read, no further than its size when opened; a line longer than the limit ends the reading
// with an error naming it.
class LineReader {
public:
    LineReader();
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // False with error() set when the file cannot be opened.
    bool open(const std::string& path);
    // False at end of file or on a read error (then error() is set).
    bool next(std::string& line);
    void close();
    const std::string& error() const { return error_; }
    void setMaxLineBytes(std::size_t limit) { maxLineBytes_ = limit; }

private:
    bool fill();

    std::FILE* file_ = nullptr;
    std::uint64_t bytesLeft_ = 0;
    std::int64_t lineNumber_ = 0;
    std::size_t maxLineBytes_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    bool atStart_ = true;
    bool pendingLfAfterCr_ = false;
    std::string error_;
};

} // namespace orvanta
