#include "engine/analysis_settings.h"
#include "engine/words/ignore_list.h"
#include "engine/words/word_acceptance.h"

#include <gtest/gtest.h>
#include <string>

namespace orvanta {
namespace {

bool Passes(const std::string& word, const AnalysisSettings& s = AnalysisSettings{},
            const IgnoreList& ignore = IgnoreList(",")) {
    return PassesWordTests(word, s, ignore);
}

TEST(WordAcceptance, ShortAndLongWords) {
    AnalysisSettings s; // "Ignore words with 3 characters or less"
    EXPECT_FALSE(Passes("tea", s));
    EXPECT_TRUE(Passes("team", s));
    s.ignoreShortWords = false;
    EXPECT_TRUE(Passes("tea", s));
    s.shortWordSize = 9;
    s.ignoreShortWords = true;
    EXPECT_FALSE(Passes("pineapple", s));
    EXPECT_TRUE(Passes("pineapples", s));
    const std::string sixty = std::string(59, 'b') + "a";
    EXPECT_TRUE(Passes(sixty));
    EXPECT_FALSE(Passes(sixty + "a"));
}

// Repeated letters, Roman numerals, no vowel, derived forms, contraction stems, and the first
// and last words of each common-word list (the lookups rely on the lists' order).
TEST(WordAcceptance, WordFormAndWordListTests) {
    AnalysisSettings s;
    s.ignoreShortWords = false;
    for (const char* w :
         {"oooo", "mimic", "mix", "rhythm", "reply", "added", "spring", "aren", "won", "after",
          "yet", "a", "yours", "aboard", "without", "billion", "two"}) {
        EXPECT_FALSE(Passes(w, s)) << w;
    }
    for (const char* w : {"o", "ooops", "dimmer", "holy", "training", "trainings", "however",
                          "keyword", "ninth", "couldn", "yourss"}) {
        EXPECT_TRUE(Passes(w, s)) << w;
    }
    s.ignoreCommonWords = false;
    EXPECT_TRUE(Passes("a", s) && Passes("the", s) && Passes("seven", s));
}

// Words of other scripts: lengths in characters, a wide character counting two for the short-word
// option; of the form tests only the repeated character applies, and hiragana alone is dropped.
TEST(WordAcceptance, WordsOfOtherScripts) {
    const struct {
        const char* word;
        int shortWordSize; // 0: the option unchecked
        bool passes;
    } cases[] = {
        {"中", 1, true},                              // one ideograph counts two
        {"中", 2, false},          {"软件", 3, true}, // two count four
        {"软件", 4, false},        {"ｿﾌﾄ", 3, false}, // half-width katakana count one each
        {"ｿﾌﾄｳｪｱ", 3, true},       {"дом", 3, false}, // narrow letters count one
        {"дома", 3, true},         {"ммм", 0, false}, // one repeated character
        {"мм", 0, false},          {"м", 0, true},
        {"мкс", 0, true},          // no vowel a-e-i-o-u: not asked of other scripts
        {"х\u0456х", 0, true},     // Cyrillic х and і: no Roman numeral
        {"ください", 0, false},    // hiragana alone
        {"ありがとー", 0, false},  // with the prolonged sound mark
        {"使う", 0, true},         // kanji and hiragana
        {"インストール", 0, true}, // katakana
        {"или", 0, true},          // a Russian common word, without the page's language
    };
    for (const auto& c : cases) {
        AnalysisSettings s;
        s.ignoreShortWords = c.shortWordSize > 0;
        s.shortWordSize = c.shortWordSize;
        EXPECT_EQ(Passes(c.word, s), c.passes) << c.word << " " << c.shortWordSize;
    }
    // The length limit counts characters, not bytes.
    std::string sixty;
    for (int i = 0; i < 30; ++i) {
        sixty += "да";
    }
    EXPECT_TRUE(Passes(sixty));
    EXPECT_FALSE(Passes(sixty + "д"));
    EXPECT_FALSE(PassesWordTests("или", AnalysisSettings{}, IgnoreList(","), PageLanguage::Ru));
}

TEST(WordsToIgnore, WholeEntriesAreRejected) {
    // Entries fold like document text, and a final σ is written ς as the scanner writes it.
    const IgnoreList list(",alpha,beta,gamma,\xC3\xA4rger,łódź,πακετοσ,");
    for (const char* w : {"alpha", "gamma", "aerger", "lodz", "πακετος"}) {
        EXPECT_FALSE(Passes(w, AnalysisSettings{}, list)) << w;
    }
    for (const char* w : {"gamm", "alphas", "gammaalpha"}) {
        EXPECT_TRUE(Passes(w, AnalysisSettings{}, list)) << w;
    }
}

} // namespace
} // namespace orvanta
