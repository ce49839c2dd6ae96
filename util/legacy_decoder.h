#pragma once

#include <string>
#include <string_view>

namespace orvanta::text {

// Decodes lines of a legacy encoding to UTF-8 with one iconv converter, opened once and reset
// for every line. Each line starts in the converter's initial state and ends with its flush, so
// a shift state or a held-back letter never leaks into the next line. A byte the converter
// rejects (invalid, or an incomplete sequence at the end of the line) becomes one U+FFFD:
// the converter is flushed first (writing any letter it holds back while waiting for a combining
// mark), the U+FFFD is written, and decoding resumes at the next byte from the initial state.
class LegacyLineDecoder {
public:
    // `converterName` is an iconv encoding name such as "CP1251" or "ISO-2022-JP".
    explicit LegacyLineDecoder(const char* converterName);
    ~LegacyLineDecoder();
    LegacyLineDecoder(const LegacyLineDecoder&) = delete;
    LegacyLineDecoder& operator=(const LegacyLineDecoder&) = delete;

    // False when the system has no such converter.
    bool isOpen() const { return converter_ != kClosed; }

    // Replaces `utf8` with the decoded line; reuses its capacity.
    void decodeLine(std::string_view bytes, std::string& utf8);

private:
    static inline void* const kClosed = reinterpret_cast<void*>(-1);

    // Runs the converter over the input (nullptr: flush) until done or rejected; returns 0 or
    // the errno of the rejection.
    int convert(const char** input, std::size_t* inputLeft, std::string& utf8);

    void* converter_ = kClosed; // iconv_t
};

} // namespace orvanta::text
