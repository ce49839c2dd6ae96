#include "util/string_utils.h"
#include "util/text_codec.h"
#include "util/unicode_lower.h"

#include <gtest/gtest.h>

namespace orvanta::text {
namespace {

TEST(StringUtils, PositionsBeyondTheEndAreClampedAndSignsKeptOnce) {
    EXPECT_EQ(FirstNonSpaceFrom("a  b", 1), 3u);
    EXPECT_EQ(FirstNonSpaceFrom("a  b", 0), 0u); // the character at p itself counts
    EXPECT_EQ(FirstNonSpaceFrom("abcde", 10), 5u);
    std::string digits = "+-5-";
    KeepSignedDigits(digits, true);
    EXPECT_EQ(digits, "+-5"); // a sign only before the digits, each sign once
    KeepSignedDigits(digits, false);
    EXPECT_EQ(digits, "+5");
}

TEST(StringUtils, TrimsOnlySpacesAtAnyIndentation) {
    for (std::size_t n = 0; n <= 20; ++n) {
        const std::string pad(n, ' ');
        EXPECT_EQ(TrimSpaces(pad + "a b" + pad), "a b") << n;
        EXPECT_EQ(TrimSpaces(pad), "") << n;
        EXPECT_EQ(TrimSpaces(pad + "\t" + pad), "\t") << n; // tabs stay
    }
}

TEST(IsValidUtf8, IsStrict) {
    for (const char* valid : {"", "caf\xC3\xA9", "\xF4\x8F\xBF\xBF", "\xED\x9F\xBF"}) {
        EXPECT_TRUE(IsValidUtf8(valid)) << valid;
    }
    for (const char* invalid : {"caf\xE9", "\xC1\xBF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF",
                                "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82 ", "\xC3", "\x80"}) {
        EXPECT_FALSE(IsValidUtf8(invalid)) << invalid;
    }
}

TEST(DecodeLine, FallsBackToWindows1252ForTheWholeLine) {
    // One invalid byte makes the whole line single-byte, valid sequences included.
    EXPECT_EQ(DecodeLine("\xC3\xA9 \xE9"), U"\u00c3\u00a9 \u00e9");
    // The high block, with the five undefined bytes passed through.
    EXPECT_EQ(DecodeWindows1252("\x80\x8A\x9F\xA0\xFF\x93\x96\x81\x9D"),
              U"\u20ac\u0160\u0178\u00a0\u00ff\u201c\u2013\u0081\u009d");
    const std::u32string text = U"a\u00e9\u20ac\U0001F600";
    EXPECT_EQ(ToUtf8(text), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(DecodeUtf8(ToUtf8(text)), text);
}

TEST(SimpleLowerCase, MapsOneCharacterToOne) {
    EXPECT_EQ(SimpleLowerCase(U'\u212a'), U'k');              // Kelvin sign
    EXPECT_EQ(SimpleLowerCase(U'\u0178'), U'\u00ff');         // Y-diaeresis
    EXPECT_EQ(SimpleLowerCase(U'\u00df'), U'\u00df');         // sharp s has no simple mapping
    EXPECT_EQ(SimpleLowerCase(U'\u1e9e'), U'\u00df');         // capital sharp s
    EXPECT_EQ(SimpleLowerCase(U'\U00010400'), U'\U00010428'); // Deseret, beyond the BMP
    std::u32string s = U"\u0130STANBUL";
    LowerCaseInPlace(s);
    EXPECT_EQ(s, U"istanbul");
}

TEST(LowerCaseUtf8, HandlesCharactersWhoseLowerCaseIsLongerOrShorter) {
    // U+023A lower-cases to U+2C65 (two bytes to three), U+0130 to "i" (two bytes to one).
    const std::string mixed = "ABȺCDEFGHIJKLİȺȺXYZ É";
    const std::string lower = "abⱥcdefghijkliⱥⱥxyz é";
    std::string out = "old";
    LowerCaseUtf8(mixed, out);
    EXPECT_EQ(out, lower);
    std::string inPlace = mixed;
    LowerCaseUtf8InPlace(inPlace);
    EXPECT_EQ(inPlace, lower);
}

} // namespace
} // namespace orvanta::text
