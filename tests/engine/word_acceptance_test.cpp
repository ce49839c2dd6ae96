#include "engine/analysis_settings.h"
#include "engine/words/ignore_list.h"
#include "engine/words/page_language.h"
#include "engine/words/word_acceptance.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvanta {
namespace {

// Each row: the words that pass and those that fail with the settings that follow them (a
// short-word size of 0 leaves the option unchecked).
TEST(WordAcceptance, WordTestsWithTheirSettings) {
    using enum PageLanguage;
    const std::string sixty = std::string(59, 'b') + "a";
    const std::string sixtyCyrillic = testing::Repeat("да", 30);
    const struct {
        std::vector<std::string> passing;
        std::vector<std::string> failing;
        int shortWordSize;
        PageLanguage language = None;
        bool ignoreCommonWords = true;
    } rows[] = {
        // Repeated letters, Roman numerals, no vowel, derived forms, contraction stems, and the
        // first and last words of each common-word list (the lookups rely on the lists' order).
        {{"o", "ooops", "dimmer", "holy", "training", "trainings", "however", "keyword", "ninth",
          "couldn", "yourss"},
         {"oo", "oooo", "mimic", "mix", "rhythm", "reply", "added", "spring", "aren", "won",
          "after", "yet", "a", "yours", "aboard", "without", "billion", "two"},
         0},
        {{"a", "the", "seven"}, {}, 0, None, false},
        // Lengths count characters, up to 60; for the short-word option an ideograph counts two,
        // half-width katakana and narrow letters one each.
        {{"team", sixty, sixtyCyrillic, "软件", "ｿﾌﾄｳｪｱ", "дома"},
         {"tea", sixty + "a", sixtyCyrillic + "д", "ｿﾌﾄ", "дом"},
         3},
        {{"pineapples"}, {"pineapple"}, 9},
        {{"中"}, {}, 1},
        {{}, {"中"}, 2},
        {{}, {"软件"}, 4},
        // Of the form tests only one repeated character applies to other scripts (no vowel a-e-i-
        // o-u is asked, Cyrillic х and і make no Roman numeral), and hiragana alone is dropped,
        // with the prolonged sound mark too. A Russian common word passes without the page's
        // language; a page language adds its list to the common words.
        {{"tea", "м", "мкс", "х\u0456х", "使う", "インストール", "или", "werden"},
         {"ммм", "мм", "ください", "ありがとー"},
         0},
        {{}, {"или"}, 0, Ru},
        {{}, {"werden"}, 0, De},
        {{"werden"}, {}, 0, Fr},
        {{"werden"}, {}, 0, De, false},
    };
    for (const auto& r : rows) {
        AnalysisSettings s;
        s.ignoreShortWords = r.shortWordSize > 0;
        s.shortWordSize = r.shortWordSize;
        s.ignoreCommonWords = r.ignoreCommonWords;
        for (const std::string& word : r.passing) {
            EXPECT_TRUE(PassesWordTests(word, s, IgnoreList(","), r.language))
                << word << " " << r.shortWordSize << " " << LanguageCode(r.language);
        }
        for (const std::string& word : r.failing) {
            EXPECT_FALSE(PassesWordTests(word, s, IgnoreList(","), r.language))
                << word << " " << r.shortWordSize << " " << LanguageCode(r.language);
        }
    }
}

TEST(WordsToIgnore, WholeEntriesAreRejected) {
    // Entries fold like document text, and a final σ is written ς as the scanner writes it.
    const IgnoreList list(",alpha,beta,gamma,\xC3\xA4rger,łódź,πακετοσ,");
    for (const char* w : {"alpha", "gamma", "aerger", "lodz", "πακετος"}) {
        EXPECT_FALSE(PassesWordTests(w, AnalysisSettings{}, list)) << w;
    }
    for (const char* w : {"gamm", "alphas", "gammaalpha"}) {
        EXPECT_TRUE(PassesWordTests(w, AnalysisSettings{}, list)) << w;
    }
}

} // namespace
} // namespace orvanta
