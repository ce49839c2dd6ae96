#include "engine/line_preparation.h"

#include <gtest/gtest.h>
#include <string>

namespace orvanta {
namespace {

std::u32string Prepared(std::string_view raw) {
    std::u32string line = U"untouched";
    EXPECT_TRUE(PrepareLine(raw, line)) << raw;
    return line;
}

TEST(PrepareLine, SkipsLinesThatAreOnlySpaces) {
    std::u32string line;
    EXPECT_FALSE(PrepareLine("", line));
    EXPECT_FALSE(PrepareLine("     ", line));
    EXPECT_EQ(Prepared("\t"), U"\t "); // only the space character is trimmed
}

TEST(PrepareLine, ReplacesEntitiesAndMarkerTags) {
    struct Row {
        const char* raw;
        std::u32string prepared;
    };
    const Row rows[] = {
        {"  Hello  World  ", U"hello  world "},
        {"<B>Word</B>", U"\x0bword\x0c "},
        {"<TITLE>x</TITLE>", U"\x0ex\x0f "},
        {"<h1>a</h1><h2>b</h2><h6>c</h6>", U"\x06"
                                           U"a\x07\x05"
                                           U"b\x07\x01"
                                           U"c\x07 "},
        {"<h2 id=x>a</h2>", U"<h2 id=x>a\x07 "},
        {"<b class=x>a", U"<b class=x>a "},
        {"caf&eacute; &Uuml;ber", U"cafe ueber "},
        {"abc&nbsp;", U"abc  "},
        {"a&#160;b&quot;c&laquo;d&raquo;e", U"a b\"c\"d\"e "},
        {"&amp; &lt;b&gt; &auml &#228;", U"&amp; &lt;b&gt; &auml &#228; "},
        {"&szlig;&aelig;&eth;&ntilde;&yuml;", U"ssaedny "},
        // Rows run in order over the result of the rows before: the umlaut row leaves "&aelig;".
        {"&&auml;lig;", U"ae "},
        {"<&#160;b>", U"< b> "},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(Prepared(r.raw), r.prepared) << r.raw;
    }
}

TEST(PrepareLine, FoldsLiteralAccentedLettersLikeTheirEntities) {
    const std::string accented = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F "         // ä ö ü ß
                                 "\xC3\xA0\xC3\xA1\xC3\xA2\xC3\xA3\xC3\xA5 " // à á â ã å
                                 "\xC3\xA6\xC3\xA7 "                         // æ ç
                                 "\xC3\xA8\xC3\xA9\xC3\xAA\xC3\xAB "         // è é ê ë
                                 "\xC3\xAC\xC3\xAD\xC3\xAE\xC3\xAF\xC3\xB0\xC3\xB1 " // ì í î ï ð ñ
                                 "\xC3\xB2\xC3\xB3\xC3\xB4\xC3\xB5 "                 // ò ó ô õ
                                 "\xC3\xB9\xC3\xBA\xC3\xBB\xC3\xBD\xC3\xBF"; // ù ú û ý ÿ
    EXPECT_EQ(Prepared(accented), U"aeoeuess aaaaa aec eeee iiiidn oooo uuuyy ");
    // Upper case is lowered first; letters outside the entity table stay.
    EXPECT_EQ(Prepared("\xC3\x84RGER \xC5\xB8"), U"aerger y ");
    EXPECT_EQ(Prepared("\xC3\xB8 \xC5\x93 \xD0\x96"), U"\u00f8 \u0153 \u0436 ");
}

TEST(PrepareLine, DecodesEachLineAsUtf8OrElseWindows1252) {
    EXPECT_EQ(Prepared("CAF\xC3\x89"), U"cafe ");
    EXPECT_EQ(Prepared("CAF\xC9"), U"cafe ");
    EXPECT_EQ(Prepared("\x80uro"), U"\u20acuro ");
    // Invalid UTF-8: both bytes of "é" become Windows-1252 letters (Ã folds to a, © stays).
    EXPECT_EQ(Prepared("\xC3\xA9 \xE9"), U"a\u00a9 e ");
}

TEST(PrepareLine, LowerCasesWithTheSimpleUnicodeMapping) {
    EXPECT_EQ(Prepared("\xC4\xB0STANBUL \xE2\x84\xAA"
                       "ELVIN"),
              U"istanbul kelvin ");
}

TEST(PrepareLine, KeepsControlCharactersFromTheFile) {
    EXPECT_EQ(Prepared("\x0b"
                       "a\x0c"),
              U"\x0b"
              U"a\x0c ");
}

} // namespace
} // namespace orvanta
