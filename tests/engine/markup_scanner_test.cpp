#include "engine/scanning/markup_scanner.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace orvanta {
namespace {

struct Case {
    std::string html;
    std::string weights;
    int table = 1;
    int existing = 1;
    int bold = 3;
};

// Every word the page counts, in ranking order, as "word:key value".
std::string Weights(const Case& c) {
    testing::RecordingHost host;
    host.options.tableWeight = c.table;
    host.options.existingKeywordsWeight = c.existing;
    host.options.boldWeight = c.bold;
    std::ostringstream out;
    for (const WordEntry& w : ReadAndCount(testing::WriteTempFile(c.html), host).words) {
        out << (out.tellp() > 0 ? " " : "") << w.text << ':' << w.keyValue;
    }
    return out.str();
}

void Check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(Weights(c), c.weights) << c.html;
    }
}

TEST(MarkupScanner, ContextWeightsAndMetaTags) {
    Check({
        {"<title>alpha</title> beta", "alpha:51 beta:3"},
        {R"(<meta name="description" content="alpha">beta)", "alpha:27 beta:3"},
        {R"(<meta name="keywords" content="alpha">)", "alpha:11", 1, 2},
        {R"(<meta name="keywords" content="alpha">beta)", "beta:3", 1, 0},
        {"<h1>alpha</h1><h2>beta!</h2><h6>gamma</h6>", "alpha:9 beta:8 gamma:4"},
        {"<b>alpha</b> beta", "alpha:8 beta:3", 1, 1, 5},
        {"<table><tr><td>alpha</td></tr></table>beta", "alpha:7 beta:3", 4},
        {"<table><tr><td><h1><b>alpha</b></h1></td></tr></table>", "alpha:13"},
        {R"(<meta name='description' content='alpha'>beta)", "beta:3"},
        {R"(<meta charset="utf-8"> beta <meta name="description" content="alpha">)", "alpha:27"},
        {R"(<meta name="description">alpha)", "alpha:3"},
        {R"(<META NAME = "Description" CONTENT="alpha">)", "alpha:27"},
        // "content" is the first occurrence after the word meta, wherever it stands.
        {R"(<meta name="description" data-content="x" content="alpha">)", "content:27 alpha:27"},
        // A meta tag without its ">" on the line is left; the next line is read as text.
        {"<meta name=\"description\"\ncontent=\"zeta\">alpha", "content:3 zeta:3 alpha:3"},
        // Only the first base applies: a title inside description content weighs as title.
        {R"(<meta name="description" content="<title>alpha</title>">)", "alpha:51"},
        {"<title>alpha\nbeta</title>\ngamma", "alpha:51 beta:51 gamma:3"},
        // Control characters in the file act as the bold markers they stand for.
        {"\013alpha\014 beta", "alpha:6 beta:3"},
        {"garden's well-known flower2pot", "garden:3 well:3 known:3 flower:3"},
    });
}

TEST(MarkupScanner, WordsOfOtherScripts) {
    Check({
        // Where a-z meets another script, one word ends and the next begins.
        {"abcdefжираф", "abcdef:3 жираф:3"},
        // Digits and punctuation of every script separate words.
        {"пакет٣пакет статья１２３статья 软件。管理", "пакет:6 статья:6 软件:3 管理:3"},
        // A run is cut into words, each weighing what its place weighs; hiragana alone is left.
        {"<title>パッケージをインストールします</title>", "パッケージ:51 インストール:51"},
        {"<b>软件包管理系统</b>", "软件:6 管理:6 系统:6"},
        // Final sigma, written either way, also after lower-casing.
        {"ΠΑΚΕΤΟΣ πακετος", "πακετος:6"},
        // Composed before anything else: a combining accent folds with its letter.
        {"cafe\u0301 ", "cafe:3"},
    });
}

TEST(MarkupScanner, TablesWithWeightZeroAreSkippedWhole) {
    Check({
        {"alpha<table><tr><td>beta</td></tr></table>gamma", "alpha:3 gamma:3", 0},
        {"<table>\n<tr><td><table><tr><td>beta</td></tr></table>\ndelta\n</table>gamma", "gamma:3",
         0},
        // A stray closing tag leaves the depth negative; the next table then does not count.
        {"</table>alpha<table>beta</table>gamma", "alpha:3 beta:3 gamma:3", 4},
        // The table checks come before the search for the end of an open comment.
        {"<!-- alpha\n<table> --> beta </table> gamma\nzeta --> delta", "delta:3", 0},
    });
}

TEST(MarkupScanner, FontSizes) {
    const std::string opens = testing::Repeat("<font size=+1>", 2000);
    const std::string closes = testing::Repeat("</font>", 2000);
    Check({
        {R"(<font size="+2">alpha<font size="-1">beta</font>gamma</font>delta)",
         "alpha:5 gamma:5 beta:4 delta:3"},
        {"<font size=-5>alpha</font><font size=9>beta</font><font size=5>gamma</font>",
         "beta:7 gamma:5 alpha:1"},
        {R"(<font size="+1.5">alpha</font><font size="+2.5">beta</font><font size=4.5>gamma)",
         "beta:6 alpha:4 gamma:4"},
        {"<font size = - 1 0>alpha", "alpha:1"},
        {"<font size=99999999999999999999>alpha</font><font size=+99999999999999999999>gamma</font>"
         "<font size=-99999999999999999999>beta",
         "alpha:7 gamma:7 beta:1"},
        {R"(</font><font color="red">alpha</font>beta)", "alpha:3 beta:3"},
        {opens + "<font size=+1>alpha" + closes + "gamma</font>beta", "alpha:7 gamma:4 beta:3"},
        // "size=" is looked for in the rest of the line, beyond the tag's own end.
        {"<font color=red>alpha <font size=6>beta", "beta:6"},
        // No sign or digit after "size": the tag stays open into the next line.
        {"<font size=big>alpha\nbeta > gamma", "gamma:3"},
        {"<font size=5\n>alpha</font>beta", "alpha:5 beta:3"},
        // The carried-over font tag finds no ">" on the next line: the depth stays raised.
        {"<font size=5\nalpha\n>beta", "beta:5"},
        {R"(<font size=5>alpha</font title="x>zeta">beta)", "alpha:5 beta:3"},
        // "font" at the end of a line meets the end sentinel as its space.
        {"<font size=6>alpha <font\n>beta</font>gamma</font>delta",
         "alpha:6 beta:6 gamma:6 delta:3"},
    });
}

TEST(MarkupScanner, CommentsStylesAndScripts) {
    Check({
        {"alpha <!-- beta\ngamma\ndelta --> zeta", "alpha:3 zeta:3"},
        {"<!-->alpha", "alpha:3"},
        {"<!-- <title> -->alpha", "alpha:3"},
        {"<style media=all>\nbeta {}\n</style>alpha", "alpha:3"},
        {"<script>\nbeta\n</scr\nipt>\ngamma</script>alpha", "alpha:3"},
        // Left open to the end of the page.
        {"alpha <!-- beta", "alpha:3"},
        {"alpha <script> beta\ngamma", "alpha:3"},
        {"alpha <style> beta\ngamma", "alpha:3"},
    });
}

TEST(MarkupScanner, TagBoundaries) {
    Check({
        {"<a href=\"x\"\ntitle=gamma>alpha", "alpha:3"},
        {"x > y <p>alpha</p> beta", "alpha:3 beta:3"},
        {"<a <i>zeta>alpha", "alpha:3"},
        // Quoted attribute values hide angle brackets.
        {R"(<a title="<back" href="/">alpha</a> beta)", "alpha:3 beta:3"},
        {R"(<img alt='x>zeta'>alpha)", "alpha:3"},
        {R"(<img alt="x>alpha)", "alpha:3"},                // no closing quote on the line
        {R"(<p class=a "x>alpha" beta)", "alpha:3 beta:3"}, // quote not after "="
        {"<img alt=\t\"x>zeta\">alpha", "zeta:3 alpha:3"},  // a tab is no space
        {"<img alt=\"x\ny>alpha", "alpha:3"},               // no quote state across lines
        // A "<" opens a tag only before a letter, "/", "!" or "?".
        {"0 < ratio <= 0.5 alpha", "ratio:3 alpha:3"},
        {"<img alt=a<5>alpha", "alpha:3"},
        {"alpha <\nbeta", "alpha:3 beta:3"},
        {"alpha <&auml;rger> beta", "alpha:3 beta:3"},
        // A Latin letter folded to a-z opens a tag as a-z does; one of another script does not.
        {"<øbeta> gamma", "gamma:3"},
        {"<жbeta> gamma", "beta:3 gamma:3"},
    });
}

// Many tags on one line read like the same tags on separate lines: the searches along a line
// answer from where they last stopped.
TEST(MarkupScanner, ManyFontTagsOnOneLineReadLikeTheSameTagsOnSeparateLines) {
    const std::string meta = "<meta name=\"description\" content=\"beta\"> ";
    const std::string a = "<font size=\"2\">alpha</font> " + meta;
    const std::string b = "<font size=\"+1\">alpha</font> " + meta;
    EXPECT_EQ(Weights({testing::Repeat(a + b, 1500), ""}),
              Weights({testing::Repeat(a + "\n" + b + "\n", 1500), ""}));
}

} // namespace
} // namespace orvanta
