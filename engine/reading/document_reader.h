#pragma once

#include "engine/reading/declared_encoding.h"
#include "engine/reading/input_file_open.h"
#include "util/legacy_decoder.h"
#include "util/text_codec.h"
#include "util/utf16_decoder.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace orvanta {

// Reads a document's lines without holding the whole file, in the encoding the file declares:
// - a UTF-16 byte-order mark (FF FE or FE FF): the text after it is decoded as UTF-16 and split
//   at CR LF, CR or LF characters; lines come out as UTF-8;
// - a legacy encoding declared in the first bytes (see DetectDocumentEncoding): the bytes are
//   split at CR LF, CR or LF and each line is decoded from that encoding; lines come out as UTF-8;
// - otherwise the raw bytes of each line, split the same way, for the per-line rule (UTF-8 when
//   valid, otherwise Windows-1252). Since the other two give valid UTF-8, that rule reads every
//   line correctly whatever the file's encoding.
// A UTF-8 byte-order mark at the very start of the file is dropped. Only a regular file is read,
// no further than its size when opened; a line longer than the limit ends the reading with an
// error naming it.
class DocumentReader {
public:
    static constexpr std::size_t kWholeFile = SIZE_MAX;

    DocumentReader();
    ~DocumentReader();
    DocumentReader(const DocumentReader&) = delete;
    DocumentReader& operator=(const DocumentReader&) = delete;

    // Reads at most `byteLimit` bytes of the file, as if the file ended there; when the limit falls
    // inside a UTF-8 character that the following bytes complete, the reading stops before that
    // character. False with error() set when the file cannot be opened or read.
    bool open(const std::string& path, std::size_t byteLimit = kWholeFile);
    // False at the end of the text or on a read error (then error() is set).
    bool next(std::string& line);
    // As next(), but a legacy page's line comes as the file's bytes; lineDecoder() turns it into
    // UTF-8. Lets a caller decode straight into its own buffer, so that a huge line is not held
    // once encoded and twice decoded.
    bool nextUndecoded(std::string& line);
    // As nextUndecoded(line), without copying: line views the reader's own buffer, or storage
    // when the line spans two pieces of the file. The view is valid until the next call.
    bool nextUndecoded(std::string_view& line, std::string& storage);
    // Turns a line of nextUndecoded() into UTF-8: the declared legacy encoding, otherwise UTF-8
    // when valid and Windows-1252 when not (lines of a UTF-16 page are UTF-8 already).
    const text::LineDecoder& lineDecoder() const;
    void close();

    const std::string& error() const { return error_; }
    const DocumentEncoding& encoding() const { return encoding_; }
    void setMaxLineBytes(std::size_t limit) { maxLineBytes_ = limit; }
    // Bytes of the file not read yet.
    std::size_t bytesLeft() const { return bytesLeft_; }
    // When flag is set (by another thread), the reading ends at the next piece of the file, as
    // if the file ended there, so that a reader in the middle of a huge line stops at once.
    void setCancelFlag(const std::atomic<bool>* flag) { cancel_ = flag; }

private:
    bool readRaw(std::string& chunk);
    bool readHead(std::string& head);
    bool startDecoding(std::string& head);
    bool fill();
    bool nextRawLine(std::string_view& line, std::string& storage);

    std::FILE* file_ = nullptr;
    std::size_t bytesLeft_ = 0;
    std::int64_t lineNumber_ = 0;
    std::size_t maxLineBytes_ = kMaxLineBytes;
    bool rawEnd_ = false;
    DocumentEncoding encoding_;
    std::optional<text::Utf16Decoder> utf16_;
    class LegacyDecoder;
    std::unique_ptr<LegacyDecoder> legacy_;
    std::string raw_;    // the last chunk read from the file
    std::string buffer_; // text not yet split into lines (raw bytes or UTF-8)
    std::size_t begin_ = 0;
    bool pendingLfAfterCr_ = false;
    std::string legacyLine_;
    std::string error_;
    const std::atomic<bool>* cancel_ = nullptr;
};

} // namespace orvanta
