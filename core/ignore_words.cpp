#include "core/ignore_words.h"

#include "util/nfc.h"
#include "util/string_utils.h"
#include "util/text_codec.h"
#include "util/unicode_lower.h"

namespace orvanta::core {

WordsToIgnoreNormalised NormaliseWordsToIgnore(std::string_view boxText) {
    std::u32string text = text::FromHostText(boxText);
    text::ToNfcInPlace(text);
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

} // namespace orvanta::core
