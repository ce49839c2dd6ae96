#include "engine/ignore_list.h"
#include "engine/settings.h"
#include "engine/word_acceptance.h"

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

TEST(WordsToIgnore, WholeEntriesAreRejected) {
    const IgnoreList list(",alpha,beta,gamma,\xC3\xA4rger,");
    for (const char* w : {"alpha", "gamma", "aerger"}) { // entries fold like document text
        EXPECT_FALSE(Passes(w, AnalysisSettings{}, list)) << w;
    }
    for (const char* w : {"gamm", "alphas", "gammaalpha"}) {
        EXPECT_TRUE(Passes(w, AnalysisSettings{}, list)) << w;
    }
}

} // namespace
} // namespace orvanta
