#pragma once

#include "util/text_codec.h"

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// Lines longer than this (minified pages, pages without line ends) are prepared a piece at a time.
inline constexpr std::size_t kLongLineBytes = std::size_t{4} << 20;
// The size from which a piece ends at the next space.
inline constexpr std::size_t kLinePieceBytes = std::size_t{1} << 20;

// Whether PrepareLongLine can take lines of this decoder.
bool CanPrepareInPieces(const text::LineDecoder& decoder);

// PrepareLine for a long line. The line is cut at spaces into pieces of about a megabyte and
// each piece is prepared on its own, which gives the same text because no replacement and no
// character spans a space: the intermediate buffers stay small, and a cancel is seen between
// two pieces. With the default decoder, the whole line is read as UTF-8 when all of it is valid
// UTF-8 and as Windows-1252 otherwise, as a line prepared whole would be.
bool PrepareLongLine(std::string_view rawBytes, std::string& line, const text::LineDecoder& decoder,
                     const std::atomic<bool>* cancel = nullptr,
                     std::size_t pieceBytes = kLinePieceBytes);

} // namespace orvanta
