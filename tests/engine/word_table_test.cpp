#include "engine/word_table.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace orvanta {
namespace {

using testing::Summary;
using Strings = std::vector<std::string>;

// A literal table kept in ranking order by moving one entry after every count.
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
        std::size_t i = 0;
        while (i < entries_.size() && entries_[i].text != word) {
            ++i;
        }
        if (i == entries_.size()) {
            entries_.push_back({word, 1, weight});
        } else {
            entries_[i].frequency += 1;
            entries_[i].keyValue += weight;
        }
        for (std::size_t b = 1; b < entries_.size(); ++b) {
            if (entries_[b].keyValue > entries_[b - 1].keyValue) {
                const WordEntry lifted = entries_[b];
                std::size_t to = 0;
                while (entries_[to].keyValue >= lifted.keyValue) {
                    ++to;
                }
                entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(b));
                entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(to), lifted);
                break;
            }
        }
    }
    const std::vector<WordEntry>& ranked() const { return entries_; }

private:
    std::vector<WordEntry> entries_;
};

TEST(WordTable, EqualValuesKeepTheEntryThatGotThereFirst) {
    WordTable t;
    EXPECT_TRUE(t.countWord("alpha", 3));
    EXPECT_TRUE(t.countWord("beta", 3));
    EXPECT_EQ(Summary(t.ranked()), (Strings{"alpha:1:3", "beta:1:3"}));
    EXPECT_FALSE(t.countWord("beta", 3));
    EXPECT_EQ(Summary(t.ranked()), (Strings{"beta:2:6", "alpha:1:3"}));
    t.countWord("alpha", 3);
    EXPECT_EQ(Summary(t.ranked()), (Strings{"beta:2:6", "alpha:2:6"}));
}

TEST(WordTable, AnEntryWhoseStoredValueDoesNotChangeDoesNotMove) {
    WordTable t;
    t.countWord("beta", 16777216.0f); // 2^24: adding 1 leaves the float unchanged
    t.countWord("alpha", 16777216.0f);
    t.countWord("beta", 1.0f);
    EXPECT_EQ(Summary(t.ranked()), (Strings{"beta:2:1.67772e+07", "alpha:1:1.67772e+07"}));
    t.countWord("alpha", 1.0f);
    EXPECT_EQ(Summary(t.ranked()), (Strings{"beta:2:1.67772e+07", "alpha:2:1.67772e+07"}));
}

TEST(WordTable, PluralFoldingInBothDirections) {
    WordTable t;
    t.countWord(t.foldPlural("car"), 3);
    EXPECT_EQ(t.foldPlural("cars"), "car");
    t.countWord("car", 3);
    t.countWord(t.foldPlural("news"), 3);
    EXPECT_EQ(t.foldPlural("new"), "new"); // the stored plural becomes the singular
    t.countWord("new", 3);
    EXPECT_EQ(t.foldPlural("analysis"), "analysis");
    EXPECT_EQ(Summary(t.ranked()), (Strings{"car:2:6", "new:2:6"}));
}

TEST(WordTable, FoldingCanLeaveTwoEntriesWithTheSameText) {
    WordTable t;
    t.countWord("pixel", 3);
    t.countWord(t.foldPlural("pixelss"), 9);     // no pair with "pixel": a new entry, ranked first
    EXPECT_EQ(t.foldPlural("pixels"), "pixels"); // first pair in ranking order: "pixelss"
    t.countWord("pixels", 3);
    EXPECT_EQ(t.foldPlural("pixel"), "pixel"); // "pixels" (first) becomes "pixel" too
    t.countWord("pixel", 1);                   // counted under the first of the two
    EXPECT_EQ(Summary(t.ranked()), (Strings{"pixel:3:13", "pixel:1:3"}));
}

TEST(WordTable, MatchesALiteralSortedTable) {
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
        ASSERT_EQ(Summary(table.ranked()), Summary(reference.ranked())) << "seed " << seed;
    }
}

TEST(FinishingTheTable, MinimumFrequencyKeepsTheOrder) {
    std::vector<WordEntry> words{{"a", 3, 9}, {"b", 1, 8}, {"c", 2, 7}, {"d", 1, 6}};
    ApplyMinFrequency(words, 1);
    EXPECT_EQ(words.size(), 4u);
    ApplyMinFrequency(words, 2);
    EXPECT_EQ(Summary(words), (Strings{"a:3:9", "c:2:7"}));
    ApplyMinFrequency(words, 9);
    EXPECT_TRUE(words.empty());
    NormaliseKeyValues(words);
    EXPECT_TRUE(words.empty());
}

TEST(FinishingTheTable, ScalesTheTopValueToExactlyOneHundred) {
    std::vector<WordEntry> words{{"a", 1, 3.0f}, {"b", 1, 2.0f}, {"c", 1, 1.0f}, {"d", 1, 0.1f}};
    NormaliseKeyValues(words);
    EXPECT_EQ(words[0].keyValue, 100.0f);
    EXPECT_EQ(words[1].keyValue, 66.666664f);
    EXPECT_EQ(words[2].keyValue, 33.333332f); // rounded once, from double
    EXPECT_EQ(words[3].keyValue, static_cast<float>(0.1f * 100.0 / 3.0));
}

} // namespace
} // namespace orvanta
