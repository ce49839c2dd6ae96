#include "engine/line_reader.h"

#include "engine/input_file_open.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace orvanta {
namespace {
constexpr std::size_t kChunk = 1 << 16;

// Position of the first CR or LF in bytes; size when none.
std::size_t LineEndIn(const char* bytes, std::size_t size) {
    const void* lf = std::memchr(bytes, '\n', size);
    const std::size_t lfAt =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - bytes) : size;
    const void* cr = std::memchr(bytes, '\r', lfAt);
    return cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - bytes) : lfAt;
}
} // namespace

LineReader::LineReader() : maxLineBytes_(kMaxLineBytes) {}

LineReader::~LineReader() {
    close();
}

bool LineReader::open(const std::string& path) {
    close();
    error_.clear();
    OpenedInput input = OpenInputFile(path);
    if (input.file == nullptr) {
        error_ = input.error;
        return false;
    }
    file_ = input.file;
    bytesLeft_ = input.size;
    lineNumber_ = 0;
    buffer_.assign(kChunk, '\0');
    begin_ = end_ = 0;
    eof_ = false;
    atStart_ = true;
    pendingLfAfterCr_ = false;
    return true;
}

void LineReader::close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

bool LineReader::fill() {
    if (eof_ || file_ == nullptr) {
        return false;
    }
    begin_ = 0;
    const auto wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), bytesLeft_));
    end_ = wanted == 0 ? 0 : std::fread(buffer_.data(), 1, wanted, file_);
    bytesLeft_ -= end_;
    if (end_ == 0) {
        eof_ = true;
        if (std::ferror(file_)) {
            error_ = std::strerror(errno != 0 ? errno : EIO);
        }
        return false;
    }
    if (atStart_) {
        atStart_ = false;
        if (end_ >= 3 && std::memcmp(buffer_.data(), "\xEF\xBB\xBF", 3) == 0) {
            begin_ = 3;
        }
    }
    return true;
}

bool LineReader::next(std::string& line) {
    line.clear();
    if (!error_.empty() || file_ == nullptr) {
        return false;
    }
    bool any = false;
    for (;;) {
        if (begin_ == end_ && !fill()) {
            // A last line without a terminator still counts; an empty remainder is no line.
            return error_.empty() && any;
        }
        if (pendingLfAfterCr_) {
            pendingLfAfterCr_ = false;
            if (buffer_[begin_] == '\n') {
                ++begin_;
                continue;
            }
        }
        any = true;
        const char* start = buffer_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const std::size_t i = LineEndIn(start, available);
        if (line.size() + i > maxLineBytes_) {
            error_ = LineTooLongError(lineNumber_ + 1, maxLineBytes_);
            line.clear();
            return false;
        }
        line.append(start, i);
        if (i == available) {
            begin_ = end_;
            continue;
        }
        begin_ += i + 1;
        ++lineNumber_;
        if (start[i] == '\r') {
            // The LF of a CR LF pair may sit in the next chunk.
            pendingLfAfterCr_ = true;
        }
        return true;
    }
}

} // namespace orvanta
