#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orvanta {

// The non-empty lines of a page, read and prepared for the scanner, in order. A large page is
// read and prepared on a second thread while the caller scans what is ready, so that the two
// halves of a run share the work on a machine with more than one processor; the thread keeps
// at most 8 MB of prepared text ahead, and waits while the caller holds a line longer than that,
// so a run never holds two huge lines: one line as read and as prepared, or the line being
// scanned. A small page, and any page when no thread can be started, is read on the caller's
// thread.
class PageLines {
public:
    // Pages with at least this many bytes are read on a second thread.
    static constexpr std::size_t kReadAheadFromBytes = std::size_t{1} << 20;
    static constexpr std::size_t kNeverReadAhead = SIZE_MAX;

    PageLines();
    // Stops the reading thread (at its next piece of the file or megabyte of a line) and waits
    // for it.
    ~PageLines();
    PageLines(const PageLines&) = delete;
    PageLines& operator=(const PageLines&) = delete;

    // False with error() set when the file cannot be opened or its first bytes read.
    bool open(const std::string& path, std::size_t readAheadFromBytes = kReadAheadFromBytes);

    // The next prepared line (ending in its sentinel space), valid until the next call. False at
    // the end of the page or on a read error (error() then says why). While the line is not
    // ready, whileWaiting is called every few milliseconds; when it throws, the exception passes
    // and the reading stops. An exception of the reading thread (out of memory) is thrown here.
    bool next(std::string_view& line, const std::function<void()>& whileWaiting);

    // Why the reading failed; empty when it did not.
    const std::string& error() const { return error_; }

private:
    class Source;
    class InlineSource;
    class ThreadSource;

    std::unique_ptr<Source> source_;
    std::string error_;
};

} // namespace orvanta
