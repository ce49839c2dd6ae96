#include "engine/ignore_list.h"

#include "engine/line_preparation.h"
#include "util/string_utils.h"
#include "util/text_codec.h"
#include "util/unicode_lower.h"

namespace orvanta {

IgnoreList::IgnoreList(std::string_view listText) : text_(listText) {
    std::u32string folded = text::FromHostText(listText);
    FoldAccentedLetters(folded);
    const std::string entries = text::ToUtf8(folded);
    std::size_t start = 0;
    while (start <= entries.size()) {
        std::size_t comma = entries.find(',', start);
        if (comma == std::string::npos) {
            comma = entries.size();
        }
        if (comma > start) {
            entries_.emplace(entries.substr(start, comma - start));
        }
        start = comma + 1;
    }
}

bool IgnoreList::contains(std::string_view word) const {
    return !entries_.empty() && entries_.contains(word);
}

WordsToIgnoreNormalised NormaliseWordsToIgnore(std::string_view boxText) {
    std::u32string text = text::FromHostText(boxText);
    text::LowerCaseInPlace(text);
    text = std::u32string(text::TrimSpaces(text));
    if (!text.empty()) {
        text::ReplaceAll(text, U" ", U",");
        while (text.find(U",,") != std::u32string::npos) {
            text::ReplaceAll(text, U",,", U",");
        }
    }
    if (!text.empty() && text.back() == U',') {
        text.pop_back();
    }
    WordsToIgnoreNormalised result;
    result.boxText = text::ToUtf8(text);
    result.listText = result.boxText + ",";
    return result;
}

} // namespace orvanta
