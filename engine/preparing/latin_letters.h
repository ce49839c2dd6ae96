#pragma once

#include <string>

namespace orvanta {

// Folds the Latin letters other than a-z to plain letters the way an English keyboard would write
// them (ø to "o", ł to "l", œ to "oe", ﬁ to "fi", fullwidth ａ to "a"); a Latin letter without
// such a form (ə, ª) becomes one space. Runs after FoldAccentedLetters, whose letters it never
// sees. Applied to document text, to the ignore list's entries and to the begin phrases.
void FoldOtherLatinLetters(std::string& utf8Line);
void FoldOtherLatinLetters(std::u32string& text);

} // namespace orvanta
