#pragma once

#include "util/text_codec.h"

#include <atomic>
#include <string>
#include <string_view>

namespace orvanta {

// Marker characters that stand for the few tags the scanner follows. Codes 1 to 6 start a heading
// (h6 is 1, h1 is 6); MarkHeadingOff ends any heading.
inline constexpr char MarkHeadingH6 = 1;
inline constexpr char MarkHeadingH5 = 2;
inline constexpr char MarkHeadingH4 = 3;
inline constexpr char MarkHeadingH3 = 4;
inline constexpr char MarkHeadingH2 = 5;
inline constexpr char MarkHeadingH1 = 6;
inline constexpr char MarkHeadingOff = 7;
inline constexpr char MarkBoldOn = 11;
inline constexpr char MarkBoldOff = 12;
inline constexpr char MarkTitleOn = 14;
inline constexpr char MarkTitleOff = 15;

// Turns one raw document line into the scanner's form, as UTF-8: decoded, composed (Unicode
// Normalization Form C), lower case, trimmed of spaces, entities and the marker tags replaced
// (then every other character reference), accented and other Latin letters folded to a-z, one
// space appended as the end sentinel. Returns false for a line that
// is empty after trimming (it is skipped whole). line is overwritten; its capacity is reused from
// line to line. When cancel is given and gets set (by another thread) while a long line is
// prepared, the preparation ends early and returns false.
bool PrepareLine(std::string_view rawBytes, std::string& line,
                 const text::LineDecoder& decoder = text::DefaultLineDecoder(),
                 const std::atomic<bool>* cancel = nullptr);

// PrepareLine without the end sentinel, for a text of any length.
bool PrepareText(std::string_view rawBytes, std::string& line, const text::LineDecoder& decoder,
                 const std::atomic<bool>* cancel = nullptr);

// Folds the accented Latin letters that the entity replacements also cover (ä to "ae", é to "e",
// ...). Applied to document text, to the ignore list's entries and to the begin phrases when
// they are compared with words.
void FoldAccentedLetters(std::u32string& text);

} // namespace orvanta
