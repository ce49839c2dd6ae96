#include "engine/reading/document_reader.h"

#include "engine/cancel_flag.h"
#include "engine/reading/input_file_open.h"
#include "util/byte_search.h"
#include "util/text_codec.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace orvanta {
namespace {
constexpr std::size_t kChunk = 1 << 16;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string SystemError(int fallback) {
    return std::strerror(errno != 0 ? errno : fallback);
}

// How many of the last bytes before a cut at `cut` begin a UTF-8 character that the bytes after
// the cut complete (0 to 3). around holds the bytes from cut - 3 (or the file's start) to cut + 3.
std::size_t BytesOfCutCharacter(std::string_view around, std::size_t cut) {
    for (std::size_t before = 1; before <= 3 && before <= cut; ++before) {
        const auto lead = static_cast<unsigned char>(around[cut - before]);
        if (lead < 0x80) {
            return 0; // ASCII: the cut is between characters
        }
        if (lead < 0xC0) {
            continue; // a continuation byte: its lead byte is further back
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const bool cutInside = length > before;
        return cutInside && text::ValidUtf8SequenceLength(around, cut - before) == length ? before
                                                                                          : 0;
    }
    return 0;
}

// A sample cut inside a character would make its line invalid UTF-8, and the line would be read
// as Windows-1252: such a character is left out of the sample instead.
std::size_t SampleEnd(std::FILE* file, std::uint64_t fileSize, std::size_t limit) {
    if (limit >= fileSize) {
        return limit;
    }
    const std::size_t from = limit >= 3 ? limit - 3 : 0;
    char bytes[6];
    const ssize_t got = pread(fileno(file), bytes, sizeof bytes, static_cast<off_t>(from));
    if (got <= 0) {
        return limit;
    }
    const std::string_view around(bytes, static_cast<std::size_t>(got));
    return limit - BytesOfCutCharacter(around, limit - from);
}
} // namespace

// The legacy converter as a line decoder. The converter keeps state only within a line (every
// line starts afresh), so decoding is logically const.
class DocumentReader::LegacyDecoder final : public text::LineDecoder {
public:
    explicit LegacyDecoder(const char* converterName)
        : converter_(converterName),
          // The one stateful encoding read here: its escape sequences switch the meaning of the
          // bytes that follow, spaces included.
          stateless_(std::string_view(converterName) != "ISO-2022-JP") {}
    bool isOpen() const { return converter_.isOpen(); }
    bool spaceIsAlwaysACharacter() const override { return stateless_; }
    std::string_view decode(std::string_view bytes, std::string& scratch) const override {
        converter_.decodeLine(bytes, scratch);
        return scratch;
    }

private:
    mutable text::LegacyLineDecoder converter_;
    bool stateless_;
};

DocumentReader::DocumentReader() = default;

DocumentReader::~DocumentReader() {
    close();
}

void DocumentReader::close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    utf16_.reset();
    legacy_.reset();
    buffer_.clear();
    begin_ = 0;
}

bool DocumentReader::open(const std::string& path, std::size_t byteLimit) {
    close();
    error_.clear();
    encoding_ = {};
    bytesLeft_ = byteLimit;
    rawEnd_ = false;
    pendingLfAfterCr_ = false;
    lineNumber_ = 0;
    OpenedInput input = OpenInputFile(path);
    if (input.file == nullptr) {
        error_ = input.error;
        return false;
    }
    file_ = input.file;
    bytesLeft_ = static_cast<std::size_t>(std::min<std::uint64_t>(bytesLeft_, input.size));
    if (byteLimit != kWholeFile) {
        bytesLeft_ = SampleEnd(file_, input.size, bytesLeft_);
    }
    std::string head;
    if (!readHead(head) || !startDecoding(head)) {
        close();
        return false;
    }
    return true;
}

// Reads the next chunk of at most kChunk bytes within the limit; false at the end or on error.
bool DocumentReader::readRaw(std::string& chunk) {
    chunk.clear();
    if (rawEnd_) {
        return false;
    }
    chunk.resize(std::min(kChunk, bytesLeft_));
    const std::size_t got = chunk.empty() ? 0 : std::fread(chunk.data(), 1, chunk.size(), file_);
    chunk.resize(got);
    bytesLeft_ -= got;
    if (got == 0) {
        rawEnd_ = true;
        if (std::ferror(file_)) {
            error_ = SystemError(EIO);
        }
        return false;
    }
    return true;
}

// The first bytes, enough to find a declaration (fewer only when the file is shorter).
bool DocumentReader::readHead(std::string& head) {
    while (head.size() < kDeclarationWindow && readRaw(raw_)) {
        head += raw_;
    }
    return error_.empty();
}

bool DocumentReader::startDecoding(std::string& head) {
    encoding_ = DetectDocumentEncoding(head);
    switch (encoding_.kind) {
    case DocumentEncoding::Kind::Utf16LE:
    case DocumentEncoding::Kind::Utf16BE:
        utf16_.emplace(encoding_.kind == DocumentEncoding::Kind::Utf16BE);
        utf16_->feed(std::string_view(head).substr(2), buffer_);
        return true;
    case DocumentEncoding::Kind::Legacy: {
        const char* name = ConverterName(encoding_.legacy);
        legacy_ = std::make_unique<LegacyDecoder>(name);
        if (!legacy_->isOpen()) {
            error_ = std::string("no converter for ") + name + ": " + SystemError(EINVAL);
            return false;
        }
        break;
    }
    case DocumentEncoding::Kind::Default:
        break;
    }
    if (std::string_view(head).starts_with(kUtf8Mark)) {
        head.erase(0, kUtf8Mark.size());
    }
    buffer_ = std::move(head);
    return true;
}

// Replaces the consumed text with the next piece; false when there is no more.
bool DocumentReader::fill() {
    buffer_.clear();
    begin_ = 0;
    while (buffer_.empty()) {
        if (!readRaw(raw_)) {
            if (utf16_) {
                utf16_->finish(buffer_);
                utf16_.reset();
            }
            return !buffer_.empty();
        }
        if (utf16_) {
            utf16_->feed(raw_, buffer_);
        } else {
            buffer_.swap(raw_);
        }
    }
    return true;
}

bool DocumentReader::nextRawLine(std::string_view& line, std::string& storage) {
    line = {};
    storage.clear();
    bool any = false;
    for (;;) {
        if (IsCancelled(cancel_)) {
            storage.clear();
            return false;
        }
        if (begin_ == buffer_.size() && !fill()) {
            // A last line without a terminator still counts; an empty remainder is no line.
            line = storage;
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
        const std::size_t available = buffer_.size() - begin_;
        const std::size_t length = text::FindEitherByte(start, 0, available, '\r', '\n');
        if (storage.size() + length > maxLineBytes_) {
            error_ = LineTooLongError(lineNumber_ + 1, maxLineBytes_);
            storage.clear();
            return false;
        }
        if (length == available) {
            // The line goes on in the next piece: it is gathered in storage.
            storage.append(start, length);
            begin_ = buffer_.size();
            continue;
        }
        begin_ += length + 1;
        ++lineNumber_;
        // The LF of a CR LF pair may come with the next piece.
        pendingLfAfterCr_ = start[length] == '\r';
        if (storage.empty()) {
            line = std::string_view(start, length);
        } else {
            storage.append(start, length);
            line = storage;
        }
        return true;
    }
}

bool DocumentReader::nextUndecoded(std::string_view& line, std::string& storage) {
    if (file_ == nullptr || !error_.empty()) {
        line = {};
        storage.clear();
        return false;
    }
    return nextRawLine(line, storage);
}

bool DocumentReader::nextUndecoded(std::string& line) {
    std::string_view view;
    if (!nextUndecoded(view, line)) {
        line.clear();
        return false;
    }
    if (view.data() != line.data()) {
        line.assign(view);
    }
    return true;
}

const text::LineDecoder& DocumentReader::lineDecoder() const {
    if (legacy_) {
        return *legacy_;
    }
    return text::DefaultLineDecoder();
}

bool DocumentReader::next(std::string& line) {
    if (!legacy_) {
        return nextUndecoded(line);
    }
    if (!nextUndecoded(legacyLine_)) {
        line.clear();
        return false;
    }
    legacy_->decode(legacyLine_, line);
    return true;
}

} // namespace orvanta
