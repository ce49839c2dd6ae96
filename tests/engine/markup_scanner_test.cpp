#include "engine/scanning/markup_scanner.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace orvanta {
namespace {

struct Case {
    std::string html;
    std::vector<std::pair<std::string, float>> weights; // -1: not counted
    int table = 1;
    int existing = 1;
    int bold = 3;
};

void Check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        AnalysisSettings s;
        s.tableWeight = c.table;
        s.existingKeywordsWeight = c.existing;
        s.boldWeight = c.bold;
        for (const auto& [word, weight] : c.weights) {
            EXPECT_EQ(testing::RawKeyValue(c.html, word, s), weight) << word << " in:\n" << c.html;
        }
    }
}

TEST(MarkupScanner, ContextWeightsAndMetaTags) {
    Check({
        {"<title>alpha</title> beta", {{"alpha", 51}, {"beta", 3}}},
        {R"(<meta name="description" content="alpha">beta)", {{"alpha", 27}, {"beta", 3}}},
        {R"(<meta name="keywords" content="alpha">)", {{"alpha", 11}}, 1, 2},
        {R"(<meta name="keywords" content="alpha">beta)", {{"alpha", -1}, {"beta", 3}}, 1, 0},
        {"<h1>alpha</h1><h2>beta!</h2><h6>gamma</h6>", {{"alpha", 9}, {"beta", 8}, {"gamma", 4}}},
        {"<b>alpha</b> beta", {{"alpha", 8}, {"beta", 3}}, 1, 1, 5},
        {"<table><tr><td>alpha</td></tr></table>beta", {{"alpha", 7}, {"beta", 3}}, 4},
        {"<table><tr><td><h1><b>alpha</b></h1></td></tr></table>", {{"alpha", 13}}},
        {R"(<meta name='description' content='alpha'>beta)", {{"alpha", -1}, {"beta", 3}}},
        {R"(<meta charset="utf-8"> beta <meta name="description" content="alpha">)",
         {{"beta", -1}, {"alpha", 27}}},
        {R"(<meta name="description">alpha)", {{"alpha", 3}}},
        {R"(<META NAME = "Description" CONTENT="alpha">)", {{"alpha", 27}}},
        // "content" is the first occurrence after the word meta, wherever it stands.
        {R"(<meta name="description" data-content="x" content="alpha">)",
         {{"content", 27}, {"alpha", 27}}},
        // A meta tag without its ">" on the line is left; the next line is read as text.
        {"<meta name=\"description\"\ncontent=\"zeta\">alpha", {{"zeta", 3}, {"alpha", 3}}},
        // Only the first base applies: a title inside description content weighs as title.
        {R"(<meta name="description" content="<title>alpha</title>">)", {{"alpha", 51}}},
        {"<title>alpha\nbeta</title>\ngamma", {{"alpha", 51}, {"beta", 51}, {"gamma", 3}}},
        // Control characters in the file act as the bold markers they stand for.
        {"\x0b"
         "alpha\x0c beta",
         {{"alpha", 6}, {"beta", 3}}},
        {"garden's well-known flower2pot",
         {{"garden", 3}, {"well", 3}, {"known", 3}, {"flower", 3}}},
    });
}

TEST(MarkupScanner, WordsOfOtherScripts) {
    Check({
        // Where a-z meets another script, one word ends and the next begins.
        {"abcdefжираф", {{"abcdef", 3}, {"жираф", 3}, {"abcdefжираф", -1}}},
        // Digits and punctuation of every script separate words.
        {"пакет٣пакет статья１２３статья 软件。管理",
         {{"пакет", 6}, {"статья", 6}, {"软件", 3}, {"管理", 3}}},
        // A run is cut into words, each weighing what its place weighs; hiragana alone is left.
        {"<title>パッケージをインストールします</title>",
         {{"パッケージ", 51}, {"インストール", 51}, {"を", -1}, {"ます", -1}}},
        {"<b>软件包管理系统</b>", {{"软件", 6}, {"管理", 6}, {"系统", 6}, {"包", -1}}},
        // Final sigma, written either way, also after lower-casing.
        {"ΠΑΚΕΤΟΣ πακετος", {{"πακετος", 6}, {"πακετοσ", -1}}},
        // Composed before anything else: a combining accent folds with its letter.
        {"cafe\u0301 ", {{"cafe", 3}}},
    });
}

TEST(MarkupScanner, TablesWithWeightZeroAreSkippedWhole) {
    Check({
        {"alpha<table><tr><td>beta</td></tr></table>gamma",
         {{"alpha", 3}, {"beta", -1}, {"gamma", 3}},
         0},
        {"<table>\n<tr><td><table><tr><td>beta</td></tr></table>\ndelta\n</table>gamma",
         {{"beta", -1}, {"delta", -1}, {"gamma", 3}},
         0},
        // A stray closing tag leaves the depth negative; the next table then does not count.
        {"</table>alpha<table>beta</table>gamma", {{"alpha", 3}, {"beta", 3}, {"gamma", 3}}, 4},
        // The table checks come before the search for the end of an open comment.
        {"<!-- alpha\n<table> --> beta </table> gamma\nzeta --> delta",
         {{"alpha", -1}, {"beta", -1}, {"gamma", -1}, {"zeta", -1}, {"delta", 3}},
         0},
    });
}

TEST(MarkupScanner, FontSizes) {
    std::string opens, closes;
    for (int i = 0; i < 19; ++i) {
        opens += "<font size=+1>";
        closes += "</font>";
    }
    const std::string deep = opens + "<font size=+1>alpha" + closes + "gamma</font>beta";
    Check({
        {R"(<font size="+2">alpha<font size="-1">beta</font>gamma</font>delta)",
         {{"alpha", 5}, {"beta", 4}, {"gamma", 5}, {"delta", 3}}},
        {"<font size=-5>alpha</font><font size=9>beta</font><font size=5>gamma</font>",
         {{"alpha", 1}, {"beta", 7}, {"gamma", 5}}},
        {R"(<font size="+1.5">alpha</font><font size="+2.5">beta</font><font size=4.5>gamma)",
         {{"alpha", 4}, {"beta", 6}, {"gamma", 4}}},
        {"<font size = - 1 0>alpha", {{"alpha", 1}}},
        {R"(</font><font color="red">alpha</font>beta)", {{"alpha", 3}, {"beta", 3}}},
        {deep, {{"alpha", 7}, {"gamma", 4}, {"beta", 3}}},
        // "size=" is looked for in the rest of the line, beyond the tag's own end.
        {"<font color=red>alpha <font size=6>beta", {{"alpha", -1}, {"beta", 6}}},
        // No sign or digit after "size": the tag stays open into the next line.
        {"<font size=big>alpha\nbeta > gamma", {{"alpha", -1}, {"beta", -1}, {"gamma", 3}}},
        {"<font size=5\n>alpha</font>beta", {{"alpha", 5}, {"beta", 3}}},
        // The carried-over font tag finds no ">" on the next line: the depth stays raised.
        {"<font size=5\nalpha\n>beta", {{"alpha", -1}, {"beta", 5}}},
        {R"(<font size=5>alpha</font title="x>zeta">beta)",
         {{"alpha", 5}, {"zeta", -1}, {"beta", 3}}},
        // "font" at the end of a line meets the end sentinel as its space.
        {"<font size=6>alpha <font\n>beta</font>gamma</font>delta",
         {{"alpha", 6}, {"beta", 6}, {"gamma", 6}, {"delta", 3}}},
    });
}

TEST(MarkupScanner, CommentsStylesAndScripts) {
    Check({
        {"alpha <!-- beta\ngamma\ndelta --> zeta",
         {{"alpha", 3}, {"beta", -1}, {"gamma", -1}, {"delta", -1}, {"zeta", 3}}},
        {"<!-->alpha", {{"alpha", 3}}},
        {"<!-- <title> -->alpha", {{"alpha", 3}}},
        {"<style media=all>\nbeta {}\n</style>alpha", {{"beta", -1}, {"alpha", 3}}},
        {"<script>\nbeta\n</scr\nipt>\ngamma</script>alpha",
         {{"beta", -1}, {"gamma", -1}, {"alpha", 3}}},
    });
}

TEST(MarkupScanner, TagBoundaries) {
    Check({
        {"<a href=\"x\"\ntitle=gamma>alpha", {{"gamma", -1}, {"alpha", 3}}},
        {"x > y <p>alpha</p> beta", {{"alpha", 3}, {"beta", 3}}},
        {"<a <i>zeta>alpha", {{"zeta", -1}, {"alpha", 3}}},
        // Quoted attribute values hide angle brackets.
        {R"(<a title="<back" href="/">alpha</a> beta)", {{"alpha", 3}, {"beta", 3}}},
        {R"(<img alt='x>zeta'>alpha)", {{"zeta", -1}, {"alpha", 3}}},
        {R"(<img alt="x>alpha)", {{"alpha", 3}}},         // no closing quote on the line
        {R"(<p class=a "x>alpha" beta)", {{"alpha", 3}}}, // quote not after "="
        {"<img alt=\t\"x>zeta\">alpha", {{"zeta", 3}, {"alpha", 3}}}, // a tab is no space
        {"<img alt=\"x\ny>alpha", {{"alpha", 3}}},                    // no quote state across lines
        // A "<" opens a tag only before a letter, "/", "!" or "?".
        {"0 < ratio <= 0.5 alpha", {{"ratio", 3}, {"alpha", 3}}},
        {"<img alt=a<5>alpha", {{"alpha", 3}}},
        {"alpha <\nbeta", {{"beta", 3}}},
        {"alpha <&auml;rger> beta", {{"aerger", -1}, {"beta", 3}}},
        // A Latin letter folded to a-z opens a tag as a-z does; a letter of another script does
        // not.
        {"<\xC3\xB8"
         "beta> gamma",
         {{"beta", -1}, {"gamma", 3}}},
        {"<жbeta> gamma", {{"жbeta", -1}, {"beta", 3}, {"gamma", 3}}},
    });
}

} // namespace
} // namespace orvanta

namespace orvanta {
namespace {

TEST(LineSearches, AnswersMatchPlainSearchesFromAnyPosition) {
    const std::string line = "a size =1 content x si ze=2 content  size=3 ";
    LineSearches searches;
    searches.reset(line);
    // Forward, backward and repeated starts must all agree with a fresh search.
    for (const std::size_t from : {0u, 3u, 3u, 20u, 2u, 30u, 44u, 45u, 50u, 0u}) {
        const std::size_t plain = line.find("content", from);
        EXPECT_EQ(searches.next("content", from), plain == std::string::npos ? line.size() : plain)
            << from;
        std::string rest = line.substr(std::min<std::size_t>(from, line.size()));
        std::erase(rest, ' ');
        EXPECT_EQ(searches.occursWithoutSpaces("size=", from),
                  rest.find("size=") != std::string::npos)
            << from;
    }
}

TEST(MarkupScanner, ManyFontTagsOnOneLineReadLikeTheSameTagsOnSeparateLines) {
    std::string oneLine;
    std::string split;
    for (int i = 0; i < 3000; ++i) {
        const std::string tag = "<font size=\"" + std::string(i % 2 ? "+1" : "2") +
                                "\">alpha</font> <meta name=\"description\" content=\"beta\"> ";
        oneLine += tag;
        split += tag + "\n";
    }
    AnalysisSettings s;
    EXPECT_EQ(testing::RawKeyValue(oneLine, "alpha", s), testing::RawKeyValue(split, "alpha", s));
    EXPECT_EQ(testing::RawKeyValue(oneLine, "beta", s), testing::RawKeyValue(split, "beta", s));
}

} // namespace
} // namespace orvanta
