#include "util/string_utils.h"

#include <gtest/gtest.h>

namespace orvanta::text {
namespace {

TEST(SkipSpaces, ReturnsFirstNonSpaceAfterPosition) {
    EXPECT_EQ(SkipSpaces(U"", kBeforeStart), 0u);
    EXPECT_EQ(SkipSpaces(U"   ", kBeforeStart), 3u);
    EXPECT_EQ(SkipSpaces(U"  ab", kBeforeStart), 2u);
    EXPECT_EQ(SkipSpaces(U"a  b", 0), 3u);   // the character at p itself is not looked at
    EXPECT_EQ(SkipSpaces(U"ab", 0), 1u);     // result is always after p
    EXPECT_EQ(SkipSpaces(U"abcde", 10), 5u); // p beyond the end is clamped
    EXPECT_EQ(SkipSpaces(U"a\tb", 0), 1u);   // a tab is not a space
}

TEST(FindFirstOf, FindsAnyCharacterOfTheSetOrReportsTheEnd) {
    EXPECT_EQ(FindFirstOf(U"abc", 0, U">"), 3u);
    EXPECT_EQ(FindFirstOf(U"a>b", 1, U">"), 1u); // start on a match
    EXPECT_EQ(FindFirstOf(U"a<b>", 0, U"<>"), 1u);
    EXPECT_EQ(FindFirstOf(U"size=+5", 0, U"-+0123456789"), 5u);
    EXPECT_EQ(FindFirstOf(U"a>b", 5, U">"), 3u); // start beyond the end
    EXPECT_EQ(FindFirstOf(U"a>b", 0, U""), 3u);  // empty set
}

TEST(IsLetter, AcceptsAsciiLettersOfEitherCaseOnly) {
    EXPECT_TRUE(IsLetter(U'Q'));
    EXPECT_TRUE(IsLetter(U'a'));
    EXPECT_TRUE(IsLetter(U'z'));
    EXPECT_FALSE(IsLetter(U'\u00e9'));
    EXPECT_FALSE(IsLetter(U'5'));
    EXPECT_FALSE(IsLetter(U'`'));
    EXPECT_FALSE(IsLetter(U'{'));
    EXPECT_FALSE(IsLetter(U'@'));
    EXPECT_FALSE(IsLetter(U'['));
    EXPECT_FALSE(IsLetter(U'\u212a')); // the Kelvin sign lower-cases to k but is no letter here
}

TEST(LetterRunLength, CountsConsecutiveLetters) {
    EXPECT_EQ(LetterRunLength(U"abc1", 0), 3u);
    EXPECT_EQ(LetterRunLength(U"abc1", 3), 0u);
    EXPECT_EQ(LetterRunLength(U"abc1", 9), 0u);
    EXPECT_EQ(LetterRunLength(U"xAbZ", 1), 3u);
}

TEST(KeepSignedDigits, FiltersToAWholeNumber) {
    struct Row {
        const char* in;
        bool allowMinus;
        const char* out;
    };
    const Row rows[] = {
        {"+50", false, "+50"}, {"5+0", false, "50"}, {"12.5", false, "125"}, {"abc", false, ""},
        {"++5", false, "+5"},  {"5-", false, "5"},   {"-5", false, "5"},     {"-5", true, "-5"},
        {"+-5", true, "+-5"},  {"--5", true, "-5"},  {"5-", true, "5"},      {" 1 0 ", false, "10"},
    };
    for (const Row& r : rows) {
        std::string s = r.in;
        KeepSignedDigits(s, r.allowMinus);
        EXPECT_EQ(s, r.out) << '"' << r.in << "\" allowMinus=" << r.allowMinus;
    }
}

TEST(CountChar, CountsOneCharacter) {
    EXPECT_EQ(CountChar(U"a,b,,c", U','), 3u);
    EXPECT_EQ(CountChar(U"", U','), 0u);
}

TEST(RemoveSpacesAndChars, DeleteEveryOccurrence) {
    EXPECT_EQ(RemoveSpaces(U" si ze = 5\t"), U"size=5\t");
    std::string mixed = "mixed";
    RemoveChars(mixed, "ivxlcm");
    EXPECT_EQ(mixed, "ed");
    std::string civil = "civil";
    RemoveChars(civil, "ivxlcm");
    EXPECT_EQ(civil, "");
}

TEST(TrimSpaces, RemovesOnlyTheSpaceCharacter) {
    EXPECT_EQ(TrimSpaces(std::u32string_view(U"  a b  ")), U"a b");
    EXPECT_EQ(TrimSpaces(std::u32string_view(U"\ta\t ")), U"\ta\t");
    EXPECT_EQ(TrimSpaces(std::string_view("   ")), "");
}

TEST(ReplaceAll, DoesNotRescanItsReplacements) {
    std::string s = "a,  b";
    ReplaceAll(s, ", ", ",");
    EXPECT_EQ(s, "a, b");
    std::u32string t = U",,,,,";
    ReplaceAll(t, U",,", U",");
    EXPECT_EQ(t, U",,,");
}

} // namespace
} // namespace orvanta::text
