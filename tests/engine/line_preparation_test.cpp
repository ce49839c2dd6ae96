#include "engine/preparing/line_preparation.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace orvanta {
namespace {

TEST(PrepareLine, DecodesLowerCasesAndReplacesEntitiesAndMarkerTags) {
    const std::pair<const char*, std::string> rows[] = {
        // Lines that are only spaces are skipped; only the space character is trimmed.
        {"", "(skipped)"},
        {"     ", "(skipped)"},
        {"\t", "\t "},
        {"  Hello  World  ", "hello  world "},
        {"<B>Word</B><TITLE>x</TITLE>", "\x0bword\x0c\x0ex\x0f "},
        {"<h1>a</h1><h2>b</h2><h6>c</h6>", "\006a\007\005b\007\001c\007 "},
        {"<h2 id=x>a</h2><b class=x>", "<h2 id=x>a\x07<b class=x> "},
        {"caf&eacute; &Uuml;ber&nbsp;", "cafe ueber  "},
        {"a&#160;b&quot;c&laquo;d&raquo;e", "a b\"c\"d\"e "},
        // The other references after the rows: markup characters become spaces, a letter its
        // folded form; without ";" a reference stays.
        {"&amp; &lt;b&gt; &auml &#228;", "   b  &auml ae "},
        {"caf&#233; &#X41;&#xe4;&#0; l&rsquo;&Eacute;t&eacute; &para;", "cafe aae  l ete   "},
        // Rows run in order over the result of the rows before: the umlaut row leaves "&aelig;".
        {"&&auml;lig;", "ae "},
        {"&&agrave;acute;", "a "}, // completes a later row
        // A row that has already run, or a row's own replacement, leaves "&agrave;" or
        // "&aelig;" to the references pass, which reads it once.
        {"&&aacute;grave;", "a "},
        {"&&agrave;grave;", "a "},
        {"&&&auml;lig;lig;", "ae "},
        {"&amp;amp; &amp;&eacute; &x&eacute;", " amp;  e &xe "},
        {"<&#160;b>", "< b> "},
        // Literal letters fold like their entities; upper case is lowered first.
        {"\xC3\xA4\xC3\x9F\xC3\xA6\xC3\xA9\xC3\xB1\xC3\xBF \xC3\x84RGER \xC5\xB8",
         "aessaeeny aerger y "},
        // Other Latin letters fold as well, or separate; letters of other scripts stay.
        {"ø œ Ж Łódź əx ﬁn ＡＢ", "o oe ж lodz  x fin ab "},
        // Each line is UTF-8 or else Windows-1252 as a whole: both bytes of an invalid "é"
        // become Windows-1252 letters (Ã folds to a, © stays).
        {"CAF\xC3\x89 \xC4\xB0STANBUL", "cafe istanbul "},
        {"CAF\xC9 \x80uro", "cafe \u20acuro "},
        {"\xC3\xA9 \xE9", "a\u00a9 e "},
        // Lower-casing and the rows take one pass over most lines; letters whose lower case is
        // ASCII, a longer lower case, and bytes that are not UTF-8 late in a line give what the
        // rows give after lower-casing the whole line.
        {"<T\u0130TLE>x</TITLE>", "\x0ex\x0f "},   // dotted capital I
        {"<B>\u212Aelvin</B>", "\x0bkelvin\x0c "}, // Kelvin sign
        {"\u023A\u023A<B>x</B>&AUML;", "aa\013x\014ae "},
        {"\u00c4rger und \u00dcbermut <b>Stra\u00dfe</b> &eacute;t\u00c9",
         "aerger und uebermut \x0bstrasse\x0c ete "},
        {"<b>Lorem ipsum</b> dolor&nbsp;\xE9", "\x0blorem ipsum\x0c dolor e "},
    };
    for (const auto& [raw, prepared] : rows) {
        std::string line = "untouched";
        EXPECT_EQ(PrepareLine(raw, line) ? line : "(skipped)", prepared) << raw;
    }
}

} // namespace
} // namespace orvanta
