#include "util/string_utils.h"

#include <gtest/gtest.h>

namespace orvanta::text {
namespace {

TEST(SkipSpaces, ReturnsFirstNonSpaceAfterPosition) {
    EXPECT_EQ(SkipSpaces(U"", kBeforeStart), 0u);
    EXPECT_EQ(SkipSpaces(U"   ", kBeforeStart), 3u);
    EXPECT_EQ(SkipSpaces(U"a  b", 0), 3u);   // the character at p itself is not looked at
    EXPECT_EQ(SkipSpaces(U"ab", 0), 1u);     // result is always after p
    EXPECT_EQ(SkipSpaces(U"abcde", 10), 5u); // p beyond the end is clamped
    EXPECT_EQ(SkipSpaces(U"a\tb", 0), 1u);   // a tab is not a space
}

TEST(FindFirstOf, FindsAnyCharacterOfTheSetOrReportsTheEnd) {
    EXPECT_EQ(FindFirstOf(U"abc", 0, U">"), 3u);
    EXPECT_EQ(FindFirstOf(U"a>b", 1, U">"), 1u); // start on a match
    EXPECT_EQ(FindFirstOf(U"size=+5", 0, U"-+0123456789"), 5u);
    EXPECT_EQ(FindFirstOf(U"a>b", 5, U">"), 3u); // start beyond the end
    EXPECT_EQ(FindFirstOf(U"a>b", 0, U""), 3u);  // empty set
}

TEST(KeepSignedDigits, FiltersToAWholeNumber) {
    struct Row {
        const char* in;
        bool allowMinus;
        const char* out;
    };
    const Row rows[] = {{"++5", false, "+5"}, {"5-", false, "5"},  {"-5", false, "5"},
                        {"+-5", true, "+-5"}, {"--5", true, "-5"}, {"5-", true, "5"}};
    for (const Row& r : rows) {
        std::string s = r.in;
        KeepSignedDigits(s, r.allowMinus);
        EXPECT_EQ(s, r.out) << '"' << r.in << "\" allowMinus=" << r.allowMinus;
    }
}

TEST(Removal, DeletesEveryOccurrenceAndNeverRescans) {
    EXPECT_EQ(RemoveSpaces(U" si ze = 5\t"), U"size=5\t");
    std::string civil = "civil";
    RemoveChars(civil, "ivxlcm");
    EXPECT_EQ(civil, "");
    EXPECT_EQ(TrimSpaces(std::u32string_view(U"\ta\t ")), U"\ta\t");
    std::string s = "a,  b";
    ReplaceAll(s, ", ", ",");
    EXPECT_EQ(s, "a, b");
}

} // namespace
} // namespace orvanta::text
