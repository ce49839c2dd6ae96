#pragma once

#include <string_view>

namespace orvanta {

// Fixed English word lists. The four lists behind IsCommonWord are what "Ignore common words"
// removes; the contraction stems (what is left of "don't" and the like once the apostrophe splits
// it) are removed always.
bool IsConjunction(std::string_view word);
bool IsListedCommonWord(std::string_view word);
bool IsPreposition(std::string_view word);
bool IsNumberWord(std::string_view word);
bool IsCommonWord(std::string_view word);
bool IsContractionStem(std::string_view word);

} // namespace orvanta
