#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// Marker characters that stand for the few tags the scanner follows.
inline constexpr char32_t MarkHeadingOff = 7;
inline constexpr char32_t MarkBoldOn = 11;
inline constexpr char32_t MarkBoldOff = 12;
inline constexpr char32_t MarkTitleOn = 14;
inline constexpr char32_t MarkTitleOff = 15;

// Turns one raw document line into the scanner's form: decoded, lower case, trimmed of spaces,
// entities and the marker tags replaced, accented letters folded, one space appended as the end
// sentinel. Returns false for a line that is empty after trimming (it is skipped whole).
bool PrepareLine(std::string_view rawBytes, std::u32string& line);

// The entity and tag replacements, applied in their fixed order.
void NormaliseLine(std::u32string& line);

// Folds the accented Latin letters that the entity replacements also cover (ä to "ae", é to "e",
// ...). Applied to document text, to the ignore list's entries and to the begin phrases when
// they are compared with words.
void FoldAccentedLetters(std::u32string& text);

} // namespace orvanta
