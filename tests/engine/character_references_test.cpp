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

// Named references of the table, numeric ones in decimal and lower-case hex (upper-case hex
// never arrives: lines are lower-cased first), and what stays as written.
TEST(CharacterReferences, ReplacedInOnePass) {
    const std::pair<std::string, std::string> rows[] = {
        // Symbols and punctuation give a space, so their names never become words.
        {"it&rsquo;s &para;1 a&amp;b &middot; &sect;", "it s  1 a b    "},
        // Letters give the letter or its folded form; upper-case names arrive lower-cased.
        {"&idot;stanbul &angst;ngstr&ouml;m", "istanbul angstroem"},
        // Other letters, of any script, are written as themselves, lower-cased, for the folding
        // and the scanner that follow; a combining mark joins the word it stands in.
        {"gro&szlig; &oslash;l &thorn; &divide;", "gross øl þ  "},
        {"&sigma;&omega;&sigmaf; &zhcy;&ucy;&kcy; &gamma;&scaron;", "σως жук γš"},
        {"&#x416;&#1078;&#x4e2d; e&#x301; &#x663;", "жж中 e\u0301  "},
        // Where names differ only in case, the one written in lower case decides.
        {"&gt;&lt;&dd;&afr;", "  ⅆ𝔞"},
        // References of two characters, and the longest name.
        {"&fjlig;&nvlt;&counterclockwisecontourintegral;", "   "},
        {"caf&#233; caf&#xe9; caf&#x00E9;", "cafe cafe caf&#x00E9;"},
        {"&#65;&#x42;&#0000000099;", "abc"}, // lower-cased, leading zeros
        {"&#196;&#xdf;&#8364;&#x2019;", "aess  "},
        {"&#304;&#8490;", "ik"}, // dotted capital I, Kelvin sign
        // 128 to 159 are the C1 controls as written, not Windows-1252 letters (&#138; would be Š).
        {"&#138;&#x9f;", "  "},
        // Invalid numbers stand for the replacement character; no overflow of a long number
        // turns it into a letter.
        {"a&#0;b&#x0;c", "a b c"},
        {"&#xd800;&#57343;&#x10ffff;&#x110000;", "    "},
        {"&#4294967393;&#x100000061;&#99999999999999999999999999999;", "   "},
        {"&#x0000000000000000000000000061;", "a"},
        // Escaped markup never becomes a tag, and the output is not scanned again.
        {"&lt;b&gt;bold&lt;/b&gt;", " b bold /b "},
        {"&amp;amp; &amp;#65;", " amp;  #65;"},
        // An "&" that starts nothing does not hide the reference right after it.
        {"&&amp;&#&#97;&x&eacute;", "& &#a&xe"},
        {"no references at all", "no references at all"},
        {"\xC3\xA4&#246;\xE2\x80\x99&hellip;\x0B", "\xC3\xA4oe\xE2\x80\x99 \x0B"},
        // Only the exact forms count: with ";", a name of a-z and 0-9 that the table holds,
        // digits that make a number; a reference cut by the end of the line stays.
        {"&rsquo &amp &unknown; &; & ; &#; &#x; &#12a; &#xg;",
         "&rsquo &amp &unknown; &; & ; &#; &#x; &#12a; &#xg;"},
        {"&a-b; &r\xC3\xA9sum\xC3\xA9; &counterclockwisecontourintegralx;",
         "&a-b; &r\xC3\xA9sum\xC3\xA9; &counterclockwisecontourintegralx;"},
        {"x &amp", "x &amp"},
        {"x &#233", "x &#233"},
        {"&", "&"},
    };
    for (const auto& [line, replaced] : rows) {
        EXPECT_EQ(Replaced(line), replaced) << line;
    }
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

} // namespace
} // namespace orvanta
