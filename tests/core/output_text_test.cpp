#include "core/output_text.h"
#include "engine/output/existing_keywords.h"
#include "engine/output/meta_tag_composer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvanta::core {
namespace {

// The composed tag itself is shown by the golden cases on tests/data/pages/ranked.html; only the
// begin text written back into the window's box is not in the command's output.
TEST(ComposeMetaTag, BeginTextShownIsTrimmed) {
    AnalysisSettings settings;
    settings.beginMetaTagWith = "  Rose Garden, Soil Care  ";
    EXPECT_EQ(ComposeMetaTag({{"rose", 2, 100}}, settings).beginTextShown,
              "Rose Garden, Soil Care");
}

TEST(ClipboardText, EndsAtTheFirstSummaryLine) {
    EXPECT_EQ(
        ClipboardText("<tag>\r\n\r\nNumber of keywords in meta tag: 2\r\nNumber of bytes in meta "
                      "tag: 9"),
        "<tag>\r\n\r\n");
    // Edited by the user: the edit is copied, the summary lines are not.
    EXPECT_EQ(ClipboardText("<edited tag>\n\nNumber of keywords in meta tag: 2\n"),
              "<edited tag>\n\n");
    // Case-sensitive: reworded summary lines, a word list, an empty box are copied whole.
    for (const char* whole : {"<tag>\n\nnumber of keywords in meta tag: 2",
                              "Rank Value Frequency\r\n   1   100    3 rose\r\n", ""}) {
        EXPECT_EQ(ClipboardText(whole), whole);
    }
}

TEST(WordListBoxText, ColumnsLineUpAndZeroValuesAreLeftOut) {
    const std::vector<WordEntry> words{
        {"garden", 12, 100.0f}, {"roses", 12345, 2.5f}, {"soil", 3, 1.5f}, {"beta", 1, 0.5f}};
    EXPECT_EQ(WordListBoxText(words, {}), "Rank Value Frequency\r\n"
                                          "   1   100   12 garden\r\n"
                                          "   2     2 12345 roses\r\n"
                                          "   3     2    3 soil\r\n"
                                          "\r\n"
                                          "Words with key value 0 not shown.\r\n");
    const std::string list = WordListBoxText(std::vector<WordEntry>(12345, {"word", 1, 50}), {});
    EXPECT_EQ(list.substr(22, 23), "    1    50    1 word\r\n");
    EXPECT_NE(list.find("\r\n12345    50    1 word\r\n"), std::string::npos);
}

// The found tag, no tag and the no-words messages are golden cases; a read error after the run's
// own check (the file gone or unreadable since) is not.
TEST(ExistingKeywordsText, ReadErrorKeepsItsReasonOnTheLine) {
    EXPECT_EQ(ExistingKeywordsText(FindExistingKeywords("/nonexistent/orvanta/page.html")),
              "Error when looking for keywords meta tag. No such file or directory");
    EXPECT_EQ(ExistingKeywordsText({ExistingKeywordsOutcome::ReadError, {}, {}}),
              "Error when looking for keywords meta tag.");
}

} // namespace
} // namespace orvanta::core
