#include "engine/words/word_table.h"
#include "test_support.h"

#include <algorithm>
#include <functional>
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
        auto it = std::ranges::find(entries_, word, &WordEntry::text);
        if (it == entries_.end()) {
            it = entries_.insert(it, {word, 0, 0.0f});
        }
        it->frequency += 1;
        it->keyValue += weight;
        std::ranges::stable_sort(entries_, std::greater{}, &WordEntry::keyValue);
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
    // 2^24: adding 1 leaves the float unchanged, so the entry keeps its place.
    WordTable big;
    EXPECT_TRUE(big.countWord("beta", 16777216.0f));
    big.countWord("alpha", 16777216.0f);
    EXPECT_FALSE(big.countWord("beta", 1.0f));
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
    for (int n = 0; n < 300'000; ++n) {
        table.countWord("w" + std::to_string(n), static_cast<float>((n / 7) % 3 + 1));
    }
    int parts = 0;
    const std::vector<WordEntry> ranked = table.ranked([&parts] { ++parts; });
    const auto place = [](const WordEntry& e) {
        return std::pair(-e.keyValue, std::stoi(e.text.substr(1)));
    };
    ASSERT_EQ(ranked.size(), 300'000u);
    for (std::size_t i = 1; i < ranked.size(); ++i) {
        ASSERT_LT(place(ranked[i - 1]), place(ranked[i])) << i;
    }
    EXPECT_GE(parts, 300'000 / 65'536);
}

} // namespace
} // namespace orvanta
