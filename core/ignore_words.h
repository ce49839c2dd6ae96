#pragma once

#include <string>
#include <string_view>

namespace orvanta::core {

struct WordsToIgnoreNormalised {
    std::string boxText;  // what the box shows afterwards
    std::string listText; // boxText followed by ",", the form the engine's IgnoreList takes
};

// What leaving the words-to-ignore box does to its text: lower case, spaces trimmed, spaces
// turned into commas, runs of commas collapsed, one trailing comma dropped.
WordsToIgnoreNormalised NormaliseWordsToIgnore(std::string_view boxText);

} // namespace orvanta::core
