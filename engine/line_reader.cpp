#include "engine/line_reader.h"

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

LineReader::~LineReader() {
    close();
}

bool LineReader::open(const std::string& path) {
    close();
    error_.clear();
    errno = 0;
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) {
        error_ = std::strerror(errno != 0 ? errno : ENOENT);
        return false;
    }
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
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
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
        line.append(start, i);
        if (i == available) {
            begin_ = end_;
            continue;
        }
        begin_ += i + 1;
        if (start[i] == '\r') {
            // The LF of a CR LF pair may sit in the next chunk.
            pendingLfAfterCr_ = true;
        }
        return true;
    }
}

} // namespace orvanta
