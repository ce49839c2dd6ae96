#pragma once

#include <string_view>

namespace orvanta {

// Fixed English word lists. IsCommonWord looks in the four lists (conjunctions, common words,
// prepositions, number words) that "Ignore common words" removes; the contraction stems (what is
// left of "don't" and the like once the apostrophe splits it) are removed always.
bool IsCommonWord(std::string_view word);
bool IsContractionStem(std::string_view word);

} // namespace orvanta
