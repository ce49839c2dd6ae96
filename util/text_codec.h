#pragma once

#include <string>
#include <string_view>

namespace orvanta::text {

// Decodes one line of a document: as UTF-8 when its bytes are valid UTF-8 (RFC 3629: no overlong
// forms, no surrogates, nothing above U+10FFFF), otherwise as Windows-1252. Pages in the wild are
// a mix of both, and a line that is not valid UTF-8 is almost always a legacy single-byte page.
std::u32string DecodeLine(std::string_view bytes);

bool IsValidUtf8(std::string_view bytes);
// Length of the valid UTF-8 sequence starting at bytes[i] (1 for ASCII); 0 when the bytes there
// are not one.
std::size_t ValidUtf8SequenceLength(std::string_view bytes, std::size_t i);
// Writes the UTF-8 form of c to out, which has room for four bytes; returns the length.
std::size_t EncodeUtf8(char32_t c, char* out);
// Appends the UTF-8 form of Windows-1252 bytes.
void AppendWindows1252AsUtf8(std::string_view bytes, std::string& out);
std::u32string DecodeUtf8(std::string_view validBytes);
std::u32string DecodeWindows1252(std::string_view bytes);

// The code point of the valid UTF-8 sequence at text[i], and its length in bytes.
inline char32_t CodePointAt(std::string_view validUtf8, std::size_t i, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(validUtf8[i]);
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        c = (c << 6) | (static_cast<unsigned char>(validUtf8[i + k]) & 0x3F);
    }
    return c;
}

inline bool IsUtf8ContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The number of characters of valid UTF-8 text.
inline std::size_t CodePointCount(std::string_view validUtf8) {
    std::size_t count = 0;
    for (const char c : validUtf8) {
        count += IsUtf8ContinuationByte(c) ? 0 : 1;
    }
    return count;
}

std::string ToUtf8(std::u32string_view text);
void AppendUtf8(std::string& out, char32_t c);

// Turns the raw bytes of one document line into UTF-8. A run picks one decoder for all its lines.
class LineDecoder {
public:
    virtual ~LineDecoder() = default;
    // Returns the line as UTF-8: either bytes itself, when it needs no change, or scratch,
    // which the decoder fills.
    virtual std::string_view decode(std::string_view bytes, std::string& scratch) const = 0;
    // True when a line of valid UTF-8 always decodes to itself, so a caller may take such a line
    // as it is without asking the decoder.
    virtual bool keepsUtf8Lines() const { return false; }
    // True when a space byte is always a character of its own, never part of a longer one or
    // of a shift state, so that a line cut at spaces decodes piece by piece as it does whole.
    virtual bool spaceIsAlwaysACharacter() const { return false; }
};

// UTF-8 when the line's bytes are valid UTF-8, otherwise Windows-1252 (as DecodeLine).
class Utf8OrWindows1252Decoder final : public LineDecoder {
public:
    std::string_view decode(std::string_view bytes, std::string& scratch) const override;
    bool keepsUtf8Lines() const override { return true; }
};

const LineDecoder& DefaultLineDecoder();

// Windows-1252 whatever the bytes (for the parts of a line already known not to be UTF-8).
class Windows1252Decoder final : public LineDecoder {
public:
    std::string_view decode(std::string_view bytes, std::string& scratch) const override;
};

const LineDecoder& Windows1252LineDecoder();

// Decodes UTF-8 coming from the host (box texts); invalid sequences fall back to Windows-1252.
inline std::u32string FromHostText(std::string_view utf8) {
    return DecodeLine(utf8);
}

} // namespace orvanta::text
