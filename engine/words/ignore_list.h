#pragma once

#include "util/string_hash.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace orvanta {

// The list of words the user asked to ignore, as derived when the words-to-ignore box is left.
// Entries are kept with their letters folded the way document text is folded, so that "café"
// typed by the user matches "café" in a page, and with a final σ written ς as the scanner writes
// it.
class IgnoreList {
public:
    IgnoreList() = default;
    // listText holds the words separated by commas; empty entries are skipped.
    explicit IgnoreList(std::string_view listText);

    bool contains(std::string_view word) const;
    const std::string& text() const { return text_; }

private:
    std::string text_;
    std::unordered_set<std::string, text::TransparentStringHash, std::equal_to<>> entries_;
};

} // namespace orvanta
