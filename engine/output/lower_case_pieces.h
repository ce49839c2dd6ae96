#pragma once

#include "util/text_codec.h"

#include <cstddef>
#include <functional>
#include <string_view>

namespace orvanta {

// The size of the pieces a line is lower-cased in, so that a huge line is never held a second
// time, decoded.
inline constexpr std::size_t kLowerCasePieceBytes = std::size_t{1} << 20;

// Calls onPiece, in order, with pieces that together make the line decoded, lower-cased and
// without leading and trailing spaces: the same text as decoding and lower-casing the whole line
// and trimming it. With the default decoder, the whole line is read as UTF-8 when all of it is
// valid UTF-8 and as Windows-1252 otherwise. A piece holds about pieceBytes bytes of the line;
// only a legacy encoding's line without spaces (or in a shift-state encoding) comes whole.
// Stops early, returning false, when onPiece returns false.
bool ForEachLowerCasePiece(std::string_view rawLine, const text::LineDecoder& decoder,
                           const std::function<bool(std::string_view)>& onPiece,
                           std::size_t pieceBytes = kLowerCasePieceBytes);

} // namespace orvanta
