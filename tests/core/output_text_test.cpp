#include "core/output_text.h"
#include "core/user_settings.h"
#include "engine/output/existing_keywords.h"
#include "engine/output/meta_tag_composer.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace orvanta::core {
namespace {

const std::string kOpening = "<META NAME=\"keywords\" CONTENT=\"";

// The words of a text separated by spaces, ranked in that order.
std::vector<WordEntry> Ranked(const std::string& text) {
    std::vector<WordEntry> out;
    float value = 100;
    std::istringstream words(text);
    for (std::string w; words >> w;) {
        out.push_back({w, 1, value--});
    }
    return out;
}

// The composed tag with the output box text made of it.
struct ComposedBox : ComposedTag {
    std::string text;
};

ComposedBox Compose(const std::vector<WordEntry>& ranked, const std::string& begin,
                    const std::string& maxKeywords = "", const std::string& maxBytes = "") {
    UserSettings s;
    s.beginMetaTagWith = begin;
    s.maxKeywordsText = maxKeywords;
    s.maxBytesText = maxBytes;
    const AnalysisSettings analysis = ToAnalysisSettings(s);
    ComposedBox box{ComposeMetaTag(ranked, analysis), {}};
    box.text = TagBoxText(box, analysis);
    return box;
}

// The keyword list inside the tag line.
std::string Content(const ComposedBox& tag) {
    const std::string line = tag.text.substr(0, tag.text.find("\">\r\n"));
    EXPECT_EQ(line.substr(0, kOpening.size()), kOpening);
    return line.substr(kOpening.size());
}

TEST(ComposeMetaTag, BoxTextWithPhrasesFirst) {
    const ComposedBox tag =
        Compose(Ranked("rose roses garden car so pruning"), "  Rose Garden, Soil Care  ");
    EXPECT_EQ(tag.text, kOpening + "rose garden,soil care,roses,pruning\">\r\n\r\n"
                                   "Number of keywords in meta tag: 4\r\n"
                                   "Number of bytes in meta tag: 66");
    EXPECT_EQ(tag.beginTextShown, "Rose Garden, Soil Care");
    EXPECT_EQ(Compose(Ranked("cafe"), "Caf\xC3\xA9").byteCount, 31 + 4); // characters, not bytes
    const ComposedBox empty = Compose({}, "phrase");
    EXPECT_TRUE(empty.noWords);
    EXPECT_EQ(empty.text, NoWordsMessage(AnalysisSettings{}));
}

// Phrases come first, lower-cased as typed; then the ranked words that no phrase holds (compared
// composed, folded and with final sigmas, as a page's words are written), up to the limits.
TEST(ComposeMetaTag, PhrasesWordsAndLimits) {
    struct Row {
        const char* words; // ranked, separated by spaces
        const char* begin;
        const char* maxKeywords;
        const char* maxBytes;
        const char* content;
        std::int64_t count;
    };
    const Row rows[] = {
        {"cafe menu", "Caf\xC3\xA9", "", "", "caf\xC3\xA9,menu", 2},
        {"cafe πακετος lodz пакет", "Cafe\u0301, ΠΑΚΕΤΟΣ, Łódź", "", "",
         "cafe\u0301,πακετοσ,łódź,пакет", 4},
        {"alpha beta", "  ,  ", "", "", "alpha,beta", 2},              // a lone comma is no phrase
        {"alpha beta", "One,  Two", "", "", "one, two,alpha,beta", 4}, // ", " replaced once
        {"alpha beta", "one,,", "", "", "one,,alpha,beta", 4},
        {"alpha beta", "\xC4\xB0ZMIR", "", "", "izmir,alpha,beta", 3},
        {"alpha beta gamma delta", "", "3", "", "alpha,beta,gamma", 3},
        {"alpha beta gamma delta", "", "0", "", "alpha,beta,gamma,delta", 4}, // no limit
        {"alpha beta gamma delta", "", "-3", "", "alpha,beta,gamma,delta", 4},
        {"a b", "p,q,r,s,t,u", "5", "", "p,q,r,s,t,u", 6}, // phrases all go in
        // A phrase that hides a word counts toward the limit; a hidden word does not.
        {"alpha beta gamma delta", "alpha", "3", "", "alpha,beta,gamma", 3},
        {"alpha beta", "", "", "36", "", 0},      // 31 bytes before any word
        {"alpha beta", "", "", "37", "alpha", 1}, // 31 + 5 + 1
        {"alpha beta", "", "", "40", "alpha", 1}, // beta needs 36 + 4 + 1
        {"alpha beta", "", "", "41", "alpha,beta", 2},
        {"alpha beta", "a long phrase", "", "20", "a long phrase", 1},
        {"软件 пакет", "", "", "38", "软件", 1}, // пакет needs 33 + 5 + 1
        {"软件 пакет", "", "", "39", "软件,пакет", 2},
        // The loop ends at the first word that does not fit; shorter ones later are not tried.
        {"alpha longerword beta", "", "", "45", "alpha", 1},
        // The byte test comes before the phrase test: a hidden word can still end the loop.
        {"longerword beta", "longerword", "", "50", "longerword", 1},
    };
    for (const Row& r : rows) {
        const ComposedBox tag = Compose(Ranked(r.words), r.begin, r.maxKeywords, r.maxBytes);
        EXPECT_EQ(Content(tag), r.content) << r.words << " / " << r.begin;
        EXPECT_EQ(tag.keywordCount, r.count) << r.words << " / " << r.begin;
    }
}

TEST(ClipboardText, EndsAtTheFirstSummaryLine) {
    const struct {
        std::string box;
        std::string copied;
    } rows[] = {
        {"<tag>\r\n\r\nNumber of keywords in meta tag: 2\r\nNumber of bytes in meta tag: 9",
         "<tag>\r\n\r\n"},
        // Edited by the user: the edit is copied, the summary lines are not.
        {"<edited tag>\n\nNumber of keywords in meta tag: 2\n", "<edited tag>\n\n"},
        // Case-sensitive: reworded summary lines, a word list, an empty box are copied whole.
        {"<tag>\n\nnumber of keywords in meta tag: 2",
         "<tag>\n\nnumber of keywords in meta tag: 2"},
        {"Rank Value Frequency\r\n   1   100    3 rose\r\n",
         "Rank Value Frequency\r\n   1   100    3 rose\r\n"},
        {"", ""},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(ClipboardText(r.box), r.copied) << r.box;
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

TEST(WordListBoxText, NoWordsMessageFollowsTheSettings) {
    UserSettings s;
    s.ignoreShortWords = 0; // the message ignores the check box
    const auto list = [&s] { return WordListBoxText({}, ToAnalysisSettings(s)); };
    EXPECT_EQ(list(), "No words with more than 3 letters occur at least twice.");
    s.shortWordSizeIndex = s.minFrequencyIndex = 0;
    EXPECT_EQ(list(), "No words with more than 1 letter occur at least once.");
    s.shortWordSizeIndex = s.minFrequencyIndex = 8;
    EXPECT_EQ(list(), "No words with more than 9 letters occur at least 9 times.");
}

// Which tag is shown is the engine's rule; the box shows its outcome.
TEST(ExistingKeywordsText, ShowsTheOutcome) {
    EXPECT_EQ(ExistingKeywordsText({ExistingKeywordsOutcome::Found, "<meta name=keywords>", {}}),
              "Existing keyword meta tag:\r\n<meta name=keywords>");
    EXPECT_EQ(ExistingKeywordsText({}), "No keyword meta tag found.");
    EXPECT_EQ(ExistingKeywordsText(FindExistingKeywords("/nonexistent/orvanta/page.html")),
              "Error when looking for keywords meta tag. No such file or directory");
    EXPECT_EQ(ExistingKeywordsText({ExistingKeywordsOutcome::ReadError, {}, {}}),
              "Error when looking for keywords meta tag.");
}

} // namespace
} // namespace orvanta::core
