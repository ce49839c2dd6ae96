#pragma once

#include "engine/words/word_table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvanta::core {

// The word list's value column: key value rounded half to even.
std::int64_t DisplayValue(float keyValue);

// The ranked table as columns of rank, value and frequency, one CR LF ended line per word; words
// whose value shows as 0 are replaced by one notice line. Expects a non-empty table.
std::string WriteWordList(const std::vector<WordEntry>& ranked);

} // namespace orvanta::core
