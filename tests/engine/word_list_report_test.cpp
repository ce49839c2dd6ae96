#include "engine/output.h"
#include "engine/settings.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvanta {
namespace {

TEST(WriteWordList, ColumnsLineUp) {
    const std::vector<WordEntry> words{
        {"garden", 12, 100.0f}, {"roses", 12345, 2.5f}, {"soil", 3, 1.5f}};
    EXPECT_EQ(WriteWordList(words, Settings{}), "Rank Value Frequency\r\n"
                                                "   1   100   12 garden\r\n"
                                                "   2     2 12345 roses\r\n"
                                                "   3     2    3 soil\r\n");
}

TEST(WriteWordList, ValuesRoundingToZeroAreLeftOutWithOneNotice) {
    const std::vector<WordEntry> words{
        {"alpha", 2, 100.0f}, {"beta", 1, 0.5f}, {"gamma", 1, 0.4f}, {"delta", 1, 0.0f}};
    EXPECT_EQ(WriteWordList(words, Settings{}), "Rank Value Frequency\r\n"
                                                "   1   100    2 alpha\r\n"
                                                "\r\n"
                                                "Words with key value 0 not shown.\r\n");
    EXPECT_EQ(DisplayValue(0.5f), 0);
    EXPECT_EQ(DisplayValue(1.5f), 2);
    EXPECT_EQ(DisplayValue(99.5f), 100);
}

TEST(WriteWordList, RankFieldWidensWithTheNumberOfEntries) {
    std::vector<WordEntry> words(12345, WordEntry{"word", 1, 50.0f});
    const std::string list = WriteWordList(words, Settings{});
    EXPECT_EQ(list.substr(0, 45), "Rank Value Frequency\r\n"
                                  "    1    50    1 word\r\n");
    EXPECT_NE(list.find("\r\n12345    50    1 word\r\n"), std::string::npos);
}

TEST(NoWordsMessage, FollowsTheSettings) {
    struct Row {
        int shortWordSize;
        int threshold;
        const char* text;
    };
    const Row rows[] = {
        {3, 2, "No words with more than 3 letters occur at least twice."},
        {1, 1, "No words with more than 1 letter occur at least once."},
        {4, 5, "No words with more than 4 letters occur at least 5 times."},
        {9, 9, "No words with more than 9 letters occur at least 9 times."},
    };
    for (const Row& r : rows) {
        Settings s;
        s.ShortWordSize = r.shortWordSize - 1;
        s.ThresholdFrequency = r.threshold - 1;
        s.IgnoreShortWords = 0; // the message ignores the check box
        EXPECT_EQ(NoWordsMessage(s), r.text);
        EXPECT_EQ(WriteWordList({}, s), r.text);
    }
}

} // namespace
} // namespace orvanta
