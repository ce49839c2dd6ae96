#include "engine/words/word_table.h"
#include "test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace orvanta {
namespace {

using testing::Summary;
using Strings = std::vector<std::string>;

// The table without the hash index: a plain list, stably re-sorted after every count.
class ReferenceTable {
public:
    std::string foldPlural(std::string word) {
        for (WordEntry& e : entries_) {
            if (e.text + "s" == word) {
                return e.text;
            }
            if (word + "s" == e.text) {
                e.text = word;
                return word;
            }
        }
        return word;
    }
    void countWord(const std::string& word, float weight) {
        auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&](const WordEntry& e) { return e.text == word; });
        if (it == entries_.end()) {
            entries_.push_back({word, 1, weight});
        } else {
            it->frequency += 1;
            it->keyValue += weight;
        }
        std::stable_sort(
            entries_.begin(), entries_.end(),
            [](const WordEntry& a, const WordEntry& b) { return a.keyValue > b.keyValue; });
    }
    std::vector<WordEntry> entries_;
};

// Random counts of words that pair as singular and plural both ways ("new" after "news"), and
// chains ("pixel", "pixels", "pixelss") that leave two entries of the same text, with weights
// that often tie.
TEST(WordTable, MatchesAPlainSortedTable) {
    const char* vocabulary[] = {"car", "cars",  "carss",  "bus",     "buss",  "news",
                                "new", "pixel", "pixels", "pixelss", "alpha", "beta"};
    const float weights[] = {1, 2, 3, 3, 3, 4.5f, 27, 51};
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        WordTable table;
        ReferenceTable reference;
        for (int i = 0; i < 400; ++i) {
            const std::string word = vocabulary[rng() % std::size(vocabulary)];
            const float weight = weights[rng() % std::size(weights)];
            table.countWord(table.foldPlural(word), weight);
            reference.countWord(reference.foldPlural(word), weight);
        }
        ASSERT_EQ(Summary(table.ranked()), Summary(reference.entries_)) << "seed " << seed;
    }
}

TEST(WordTable, EqualValuesKeepTheEntryThatGotThereFirst) {
    WordTable t;
    EXPECT_TRUE(t.countWord("alpha", 3));
    EXPECT_TRUE(t.countWord("beta", 3));
    EXPECT_FALSE(t.countWord("beta", 3));
    t.countWord("alpha", 3);
    EXPECT_EQ(Summary(t.ranked()), (Strings{"beta:2:6", "alpha:2:6"}));
    // 2^24: adding 1 leaves the float unchanged, so the entry keeps its place.
    WordTable big;
    big.countWord("beta", 16777216.0f);
    big.countWord("alpha", 16777216.0f);
    big.countWord("beta", 1.0f);
    EXPECT_EQ(Summary(big.ranked()), (Strings{"beta:2:1.67772e+07", "alpha:1:1.67772e+07"}));
}

TEST(FinishingTheTable, FiltersThenScalesTheTopValueToExactlyOneHundred) {
    std::vector<WordEntry> words{{"a", 3, 3.0f}, {"b", 1, 2.5f}, {"c", 2, 1.0f}, {"d", 2, 0.1f}};
    ApplyMinFrequency(words, 2);
    NormaliseKeyValues(words);
    EXPECT_EQ(Summary(words), (Strings{"a:3:100", "c:2:33.3333", "d:2:3.33333"}));
    EXPECT_EQ(words[1].keyValue, 33.333332f); // rounded once, from double
    ApplyMinFrequency(words, 9);
    NormaliseKeyValues(words);
    EXPECT_TRUE(words.empty());
}

// A large table is ranked in parts, sorted and merged in rounds, and gives what one sort
// gives: higher values first, and among equal values the entry that reached it first.
TEST(WordTable, RanksALargeTableInPartsAsOneSortWould) {
    WordTable table;
    std::vector<std::pair<float, std::string>> expected;
    for (int n = 0; n < 300'000; ++n) {
        const std::string word = "w" + std::to_string(n);
        const float weight = static_cast<float>((n / 7) % 3 + 1);
        table.countWord(word, weight);
        expected.emplace_back(weight, word);
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    int parts = 0;
    const std::vector<WordEntry> ranked = table.ranked([&parts] { ++parts; });
    ASSERT_EQ(ranked.size(), expected.size());
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        ASSERT_EQ(ranked[i].text, expected[i].second) << i;
    }
    EXPECT_GE(parts, 300'000 / 65'536);
}

} // namespace
} // namespace orvanta
