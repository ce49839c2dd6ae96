#include "engine/ignore_list.h"
#include "engine/settings.h"
#include "engine/word_acceptance.h"
#include "test_support.h"

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
    EXPECT_FALSE(Passes("a", s)); // reaches the common-word test
    s.IgnoreCommonWords = 0;
    for (const char* w : {"a", "the", "of", "seven"}) {
        EXPECT_TRUE(Passes(w, s)) << w;
    }
    s.IgnoreShortWords = 1;
    s.ShortWordSize = 8; // 9 characters or less
    EXPECT_FALSE(Passes("pineapple", s));
    EXPECT_TRUE(Passes("pineapples", s));
    const std::string sixty = std::string(59, 'b') + "a";
    EXPECT_TRUE(Passes(sixty));
    EXPECT_FALSE(Passes(sixty + "a"));
}

TEST(WordAcceptance, WordFormTests) {
    struct Row {
        const char* word;
        bool passes;
    };
    const Row rows[] = {
        {"oooo", false},     {"wwww", false},   {"zzzzz", false},   {"xiv", false},
        {"mimic", false},    {"civic", false},  {"dimmer", true},   {"rhythm", false},
        {"html", false},     {"flyby", false},  {"donut", true},    {"reply", false},
        {"added", false},    {"spring", false}, {"nothing", false}, {"training", true},
        {"trainings", true}, {"king", true},    {"need", true},     {"holy", true},
        {"however", true},   {"keyword", true}, {"analysis", true}, {"ooops", true},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(Passes(r.word), r.passes) << r.word;
    }
    Settings s;
    s.IgnoreShortWords = 0;
    s.IgnoreCommonWords = 0;
    for (const char* stem : {"don", "isn", "won", "aren"}) {
        EXPECT_FALSE(Passes(stem, s)) << stem;
    }
    EXPECT_FALSE(Passes("mix", s));
    EXPECT_TRUE(Passes("dim", s));
    EXPECT_FALSE(Passes("ooo", s));
    EXPECT_TRUE(Passes("o", s)); // a single letter is not "one repeated character"
}

TEST(WordsToIgnore, BoxTextIsNormalised) {
    struct Row {
        const char* box;
        const char* shown;
    };
    const Row rows[] = {
        {"Alpha  Beta,,gamma ,", "alpha,beta,gamma"},
        {"", ""},
        {"   ", ""},
        {",alpha,", ",alpha"},
        {"a,,,,,b", "a,b"},
        {"a\tb", "a\tb"},
        {"\xC3\x84RGER", "\xC3\xA4rger"}, // lower-cased, not folded, in the box
    };
    for (const Row& r : rows) {
        const WordsToIgnoreNormalised n = NormaliseWordsToIgnore(r.box);
        EXPECT_EQ(n.boxText, r.shown) << r.box;
        EXPECT_EQ(n.listText, std::string(r.shown) + ",") << r.box;
    }
}

TEST(WordsToIgnore, ListRejectsWholeEntriesOnly) {
    const IgnoreList list(NormaliseWordsToIgnore("Alpha  Beta,,gamma ,").listText);
    Settings s;
    s.IgnoreShortWords = 0;
    for (const char* w : {"alpha", "beta", "gamma"}) {
        EXPECT_FALSE(Passes(w, s, list)) << w;
    }
    for (const char* w : {"gam", "eta", "alphas", "gammaalpha"}) {
        EXPECT_TRUE(Passes(w, s, list)) << w;
    }
    // Entries are folded like document text, so a typed accent matches the folded word.
    const IgnoreList accented(NormaliseWordsToIgnore("Caf\xC3\xA9 \xC3\x84rger").listText);
    EXPECT_FALSE(Passes("cafe", Settings{}, accented));
    EXPECT_FALSE(Passes("aerger", Settings{}, accented));
}

} // namespace
} // namespace orvanta
