// The words-to-ignore box, the ignore list made from it, and the two limit boxes.
#include "core/ignore_words.h"
#include "core/limit_boxes.h"
#include "engine/words/ignore_list.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvanta::core;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const WordsToIgnoreNormalised once = NormaliseWordsToIgnore(text);
    const orvanta::IgnoreList list(once.listText);
    (void)list.contains("word");
    for (const auto check : {CheckMaxKeywordsBox, CheckMaxBytesBox}) {
        const LimitBoxCheck result = check(text);
        // Leaving the box again changes nothing more.
        orvanta::fuzz::Require(check(result.finalText).finalText == result.finalText);
    }
    return 0;
}
