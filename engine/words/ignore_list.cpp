#include "engine/words/ignore_list.h"

#include "engine/preparing/latin_letters.h"
#include "engine/preparing/line_preparation.h"
#include "engine/scanning/script_words.h"
#include "util/string_utils.h"
#include "util/text_codec.h"

namespace orvanta {

IgnoreList::IgnoreList(std::string_view listText) : text_(listText) {
    std::u32string folded = text::FromHostText(listText);
    FoldAccentedLetters(folded);
    FoldOtherLatinLetters(folded);
    const std::string entries = text::ToUtf8(folded);
    std::size_t start = 0;
    while (start <= entries.size()) {
        std::size_t comma = entries.find(',', start);
        if (comma == std::string::npos) {
            comma = entries.size();
        }
        if (comma > start) {
            std::string entry = entries.substr(start, comma - start);
            WriteFinalSigma(entry);
            entries_.insert(std::move(entry));
        }
        start = comma + 1;
    }
}

bool IgnoreList::contains(std::string_view word) const {
    return !entries_.empty() && entries_.contains(word);
}

} // namespace orvanta
