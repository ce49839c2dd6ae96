#include "engine/preparing/character_references.h"
#include "util/text_codec.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace orvanta {
namespace {

std::string Replaced(std::string line) {
    const std::string before = line;
    std::u32string wide = text::DecodeUtf8(line);
    ReplaceCharacterReferences(line);
    ReplaceCharacterReferences(wide);
    EXPECT_EQ(text::ToUtf8(wide), line) << "wide form differs for " << before;
    return line;
}

TEST(CharacterReferences, NamedReferencesInTheTable) {
    // Symbols and punctuation give a space, so their names never become words.
    EXPECT_EQ(Replaced("it&rsquo;s &para;1 a&amp;b &middot; &sect;"), "it s  1 a b    ");
    // Letters give the letter or its folded form; upper-case names arrive lower-cased.
    EXPECT_EQ(Replaced("&idot;stanbul &angst;ngstr&ouml;m"), "istanbul angstroem");
    // Other letters, of any script, are written as themselves, lower-cased, for the folding and
    // the scanner that follow; a combining mark joins the word it stands in.
    EXPECT_EQ(Replaced("gro&szlig; &oslash;l &thorn; &divide;"), "gross øl þ  ");
    EXPECT_EQ(Replaced("&sigma;&omega;&sigmaf; &zhcy;&ucy;&kcy; &gamma;&scaron;"), "σως жук γš");
    EXPECT_EQ(Replaced("&#x416;&#1078;&#x4e2d; e&#x301; &#x663;"), "жж中 e\u0301  ");
    // Where names differ only in case, the one written in lower case decides.
    EXPECT_EQ(Replaced("&gt;&lt;&dd;&afr;"), "  ⅆ𝔞");
    // References of two characters, and the longest name.
    EXPECT_EQ(Replaced("&fjlig;&nvlt;&counterclockwisecontourintegral;"), "   ");
}

TEST(CharacterReferences, WhatStaysAsWritten) {
    EXPECT_EQ(Replaced("&rsquo &amp &unknown; &; & ; &#; &#x; &#12a; &#xg;"),
              "&rsquo &amp &unknown; &; & ; &#; &#x; &#12a; &#xg;");
    // Only a-z and 0-9 form a name; a name longer than any in the table is not looked up.
    EXPECT_EQ(Replaced("&a-b; &r\xC3\xA9sum\xC3\xA9; &counterclockwisecontourintegralx;"),
              "&a-b; &r\xC3\xA9sum\xC3\xA9; &counterclockwisecontourintegralx;");
    // A reference cut by the end of the line.
    EXPECT_EQ(Replaced("x &amp"), "x &amp");
    EXPECT_EQ(Replaced("x &#233"), "x &#233");
    EXPECT_EQ(Replaced("&"), "&");
}

TEST(CharacterReferences, NumericDecimalAndHex) {
    EXPECT_EQ(Replaced("caf&#233; caf&#xe9; caf&#x00E9;"),
              "cafe cafe caf&#x00E9;");                     // upper hex never arrives
    EXPECT_EQ(Replaced("&#65;&#x42;&#0000000099;"), "abc"); // lower-cased, leading zeros
    EXPECT_EQ(Replaced("&#196;&#xdf;&#8364;&#x2019;"), "aess  ");
    EXPECT_EQ(Replaced("&#304;&#8490;"), "ik"); // dotted capital I, Kelvin sign
    // 128 to 159 are the C1 controls as written, not Windows-1252 letters (&#138; would be Š).
    EXPECT_EQ(Replaced("&#138;&#x9f;"), "  ");
}

TEST(CharacterReferences, AccentedLettersFoldLikeLiteralOnes) {
    // Upper and lower case of U+00C0 to U+00FF, written as hex references, and U+0178 (Ÿ).
    std::string line;
    for (int c = 0xC0; c <= 0xFF; ++c) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "&#x%x;|", c);
        line += hex;
    }
    line += "&#376;";
    ReplaceCharacterReferences(line);
    // ø and þ are other Latin letters: written as themselves for the folding that follows.
    EXPECT_EQ(line, "a|a|a|a|ae|a|ae|c|e|e|e|e|i|i|i|i|d|n|o|o|o|o|oe| |ø|u|u|u|ue|y|þ|ss|"
                    "a|a|a|a|ae|a|ae|c|e|e|e|e|i|i|i|i|d|n|o|o|o|o|oe| |ø|u|u|u|ue|y|þ|y|y");
}

TEST(CharacterReferences, InvalidNumbersStandForTheReplacementCharacter) {
    EXPECT_EQ(Replaced("a&#0;b&#x0;c"), "a b c");
    EXPECT_EQ(Replaced("&#xd800;&#57343;&#x10ffff;&#x110000;"), "    ");
    // Any number of digits: no overflow turns a huge number into a letter.
    EXPECT_EQ(Replaced("&#4294967393;&#x100000061;&#99999999999999999999999999999;"), "   ");
    EXPECT_EQ(Replaced("&#x0000000000000000000000000061;"), "a");
}

TEST(CharacterReferences, OnePassThatDoesNotRescanItsOutput) {
    // Escaped markup never becomes a tag.
    EXPECT_EQ(Replaced("&lt;b&gt;bold&lt;/b&gt;"), " b bold /b ");
    EXPECT_EQ(Replaced("&amp;amp; &amp;#65;"), " amp;  #65;");
    // An "&" that starts nothing does not hide the reference right after it.
    EXPECT_EQ(Replaced("&&amp;&#&#97;&x&eacute;"), "& &#a&xe");
    EXPECT_EQ(Replaced("no references at all"), "no references at all");
}

TEST(CharacterReferences, LeavesOtherUtf8Untouched) {
    std::string line = "\xC3\xA4&#246;\xE2\x80\x99&hellip;\x0B";
    ReplaceCharacterReferences(line);
    EXPECT_EQ(line, "\xC3\xA4oe\xE2\x80\x99 \x0B");
}

} // namespace
} // namespace orvanta
