#include "engine/ignore_list.h"
#include "engine/settings.h"
#include "engine/word_acceptance.h"

#include <gtest/gtest.h>
#include <string>

namespace orvanta {
namespace {

bool Passes(const std::string& word, const Settings& s = Settings{},
            const IgnoreList& ignore = IgnoreList(",")) {
    return PassesWordTests(word, s, ignore);
}

TEST(WordAcceptance, ShortAndLongWords) {
    Settings s; // "Ignore words with 3 characters or less"
    EXPECT_FALSE(Passes("tea", s));
    EXPECT_TRUE(Passes("team", s));
    s.IgnoreShortWords = 2; // partly checked counts as off
    EXPECT_TRUE(Passes("tea", s));
    s.ShortWordSize = 8;
    s.IgnoreShortWords = 1;
    EXPECT_FALSE(Passes("pineapple", s));
    EXPECT_TRUE(Passes("pineapples", s));
    const std::string sixty = std::string(59, 'b') + "a";
    EXPECT_TRUE(Passes(sixty));
    EXPECT_FALSE(Passes(sixty + "a"));
}

// Repeated letters, Roman numerals, no vowel, derived forms, contraction stems, and the first
// and last words of each common-word list (the lookups rely on the lists' order).
TEST(WordAcceptance, WordFormAndWordListTests) {
    Settings s;
    s.IgnoreShortWords = 0;
    for (const char* w :
         {"oooo", "mimic", "mix", "rhythm", "reply", "added", "spring", "aren", "won", "after",
          "yet", "a", "yours", "aboard", "without", "billion", "two"}) {
        EXPECT_FALSE(Passes(w, s)) << w;
    }
    for (const char* w : {"o", "ooops", "dimmer", "holy", "training", "trainings", "however",
                          "keyword", "ninth", "couldn", "yourss"}) {
        EXPECT_TRUE(Passes(w, s)) << w;
    }
    s.IgnoreCommonWords = 0;
    EXPECT_TRUE(Passes("a", s) && Passes("the", s) && Passes("seven", s));
}

TEST(WordsToIgnore, BoxTextIsNormalisedAndWholeEntriesAreRejected) {
    const WordsToIgnoreNormalised n = NormaliseWordsToIgnore(",Alpha  Beta,,gamma ,\xC3\x84RGER");
    EXPECT_EQ(n.boxText, ",alpha,beta,gamma,\xC3\xA4rger"); // lower-cased, not folded, in the box
    EXPECT_EQ(n.listText, n.boxText + ",");
    EXPECT_EQ(NormaliseWordsToIgnore("   ").boxText, "");
    const IgnoreList list(n.listText);
    for (const char* w : {"alpha", "gamma", "aerger"}) { // entries fold like document text
        EXPECT_FALSE(Passes(w, Settings{}, list)) << w;
    }
    for (const char* w : {"gamm", "alphas", "gammaalpha"}) {
        EXPECT_TRUE(Passes(w, Settings{}, list)) << w;
    }
}

} // namespace
} // namespace orvanta
