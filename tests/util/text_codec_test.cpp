#include "util/text_codec.h"

#include <gtest/gtest.h>

namespace orvanta::text {
namespace {

TEST(IsValidUtf8, IsStrict) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("caf\xC3\xA9"));
    EXPECT_TRUE(IsValidUtf8("\xE2\x82\xAC"));      // euro sign
    EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF
    EXPECT_TRUE(IsValidUtf8("\xED\x9F\xBF"));      // U+D7FF, just below the surrogates
    EXPECT_FALSE(IsValidUtf8("caf\xE9"));          // a Windows-1252 e-acute
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(IsValidUtf8("\xC1\xBF"));         // overlong
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));     // overlong, three bytes
    EXPECT_FALSE(IsValidUtf8("\xF0\x80\x80\xAF")); // overlong, four bytes
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xF5\x80\x80\x80"));
    EXPECT_FALSE(IsValidUtf8("\xC3"));      // truncated at the end
    EXPECT_FALSE(IsValidUtf8("\xE2\x82 ")); // truncated before a space
    EXPECT_FALSE(IsValidUtf8("\x80"));      // lone continuation byte
}

TEST(DecodeLine, FallsBackToWindows1252ForTheWholeLine) {
    EXPECT_EQ(DecodeLine("caf\xC3\xA9"), U"caf\u00e9");
    EXPECT_EQ(DecodeLine("caf\xE9"), U"caf\u00e9");
    // One invalid byte makes the whole line single-byte, valid sequences included.
    EXPECT_EQ(DecodeLine("\xC3\xA9 \xE9"), U"\u00c3\u00a9 \u00e9");
}

TEST(DecodeWindows1252, MapsTheHighBlockAndTheUndefinedBytes) {
    EXPECT_EQ(DecodeWindows1252("\x80\x8A\x9F\xA0\xFF"), U"\u20ac\u0160\u0178\u00a0\u00ff");
    EXPECT_EQ(DecodeWindows1252("\x81\x8D\x8F\x90\x9D"), U"\u0081\u008d\u008f\u0090\u009d");
    EXPECT_EQ(DecodeWindows1252("\x93\x94\x96"), U"\u201c\u201d\u2013");
}

TEST(ToUtf8, RoundTripsEveryLength) {
    const std::u32string text = U"a\u00e9\u20ac\U0001F600";
    EXPECT_EQ(ToUtf8(text), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(DecodeUtf8(ToUtf8(text)), text);
}

} // namespace
} // namespace orvanta::text
