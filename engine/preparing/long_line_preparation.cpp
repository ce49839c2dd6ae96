#include "engine/preparing/long_line_preparation.h"

#include "engine/cancel_flag.h"
#include "engine/preparing/line_preparation.h"
#include "util/string_utils.h"
#include "util/text_codec.h"

namespace orvanta {
namespace {

// End of the piece that starts at begin (not a space): the start of the first run of spaces
// from pieceBytes on, or the end of the text. A piece neither starts nor ends with a space, so
// preparing it trims nothing.
std::size_t PieceEnd(std::string_view text, std::size_t begin, std::size_t pieceBytes) {
    if (text.size() - begin <= pieceBytes) {
        return text.size();
    }
    std::size_t end = text.find(' ', begin + pieceBytes);
    if (end == std::string_view::npos) {
        return text.size();
    }
    while (text[end - 1] == ' ') {
        --end;
    }
    return end;
}

// Calls onPiece(piece, spaces) for every piece of text with the number of spaces after it; stops
// early (false) when onPiece says so or the cancel flag is set.
template <typename OnPiece>
bool ForEachPiece(std::string_view text, std::size_t pieceBytes, const std::atomic<bool>* cancel,
                  OnPiece onPiece) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        if (IsCancelled(cancel)) {
            return false;
        }
        const std::size_t end = PieceEnd(text, begin, pieceBytes);
        const std::size_t next = text::FirstNonSpaceFrom(text, end);
        if (!onPiece(text.substr(begin, end - begin), next - end)) {
            return false;
        }
        begin = next;
    }
    return true;
}

// The whole line is read as UTF-8 when all of it is valid UTF-8, and as Windows-1252 otherwise.
// Checked a piece at a time, so that a cancel is seen; cancelled is set then.
bool IsValidUtf8Line(std::string_view text, std::size_t pieceBytes, const std::atomic<bool>* cancel,
                     bool& cancelled) {
    bool valid = true;
    ForEachPiece(text, pieceBytes, cancel, [&](std::string_view piece, std::size_t) {
        valid = text::IsValidUtf8(piece);
        return valid;
    });
    cancelled = valid && IsCancelled(cancel);
    return valid;
}

// Room for the prepared line, so that it is never copied to a larger buffer while the raw line
// is held too. Windows-1252 takes up to three bytes a byte from 0x80; a UTF-8 line shrinks or
// keeps its size, except for the few letters whose lower case takes one byte more.
std::size_t PreparedSizeBound(std::string_view text, bool utf8) {
    if (utf8) {
        return text.size() + text.size() / 16;
    }
    std::size_t high = 0;
    for (const char c : text) {
        high += static_cast<unsigned char>(c) >= 0x80 ? 1 : 0;
    }
    return text.size() + 2 * high;
}

} // namespace

bool CanPrepareInPieces(const text::LineDecoder& decoder) {
    return decoder.keepsUtf8Lines() || decoder.spaceIsAlwaysACharacter();
}

bool PrepareLongLine(std::string_view rawBytes, std::string& line,
                     const text::LineDecoder& lineDecoder, const std::atomic<bool>* cancel,
                     std::size_t pieceBytes) {
    line.clear();
    const std::string_view text = text::TrimSpaces(rawBytes);
    if (text.empty()) {
        return false;
    }
    bool utf8 = false;
    if (lineDecoder.keepsUtf8Lines()) {
        bool cancelled = false;
        utf8 = IsValidUtf8Line(text, pieceBytes, cancel, cancelled);
        if (cancelled) {
            return false;
        }
    }
    const text::LineDecoder& decoder = !lineDecoder.keepsUtf8Lines() ? lineDecoder
                                       : utf8                        ? text::DefaultLineDecoder()
                                              : text::Windows1252LineDecoder();
    line.reserve(PreparedSizeBound(text, utf8) + 1);
    std::string prepared;
    const bool whole =
        ForEachPiece(text, pieceBytes, cancel, [&](std::string_view piece, std::size_t spaces) {
            if (!PrepareText(piece, prepared, decoder, cancel)) {
                return false;
            }
            line += prepared;
            line.append(spaces, ' ');
            return true;
        });
    if (!whole) {
        line.clear();
        return false;
    }
    line.push_back(' ');
    return true;
}

} // namespace orvanta
