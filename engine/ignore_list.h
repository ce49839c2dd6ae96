#pragma once

#include "util/string_hash.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace orvanta {

// The list of words the user asked to ignore, as derived when the words-to-ignore box is left.
// Entries are kept with accented letters folded the way document text is folded, so that "café"
// typed by the user matches "café" in a page.
class IgnoreList {
public:
    IgnoreList() = default;
    // listText is the normalised box text followed by one comma (the form the box handler makes).
    explicit IgnoreList(std::string_view listText);

    bool contains(std::string_view word) const;
    const std::string& text() const { return text_; }

private:
    std::string text_;
    std::unordered_set<std::string, text::TransparentStringHash, std::equal_to<>> entries_;
};

struct WordsToIgnoreNormalised {
    std::string boxText;  // what the box shows afterwards
    std::string listText; // boxText followed by ","
};

// What leaving the words-to-ignore box does to its text: lower case, spaces trimmed, spaces
// turned into commas, runs of commas collapsed, one trailing comma dropped.
WordsToIgnoreNormalised NormaliseWordsToIgnore(std::string_view boxText);

} // namespace orvanta
