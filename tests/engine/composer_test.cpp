#include "engine/output.h"
#include "engine/settings.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvanta {
namespace {

const std::string kOpening = "<META NAME=\"keywords\" CONTENT=\"";

std::vector<WordEntry> Ranked(std::initializer_list<const char*> words) {
    std::vector<WordEntry> out;
    float value = 100;
    for (const char* w : words) {
        out.push_back({w, 1, value--});
    }
    return out;
}

ComposedTag Compose(const std::vector<WordEntry>& ranked, const std::string& begin,
                    const std::string& maxKeywords = "", const std::string& maxBytes = "") {
    Settings s;
    s.BeginMetaTagWith = begin;
    s.MaxNumKeywordsInMetaTag = maxKeywords;
    s.MaxNumBytesInMetaTag = maxBytes;
    return ComposeMetaTag(ranked, s);
}

// The tag line alone, without the summary lines.
std::string Content(const ComposedTag& tag) {
    const std::string line = tag.text.substr(0, tag.text.find("\r\n"));
    EXPECT_EQ(line.substr(0, kOpening.size()), kOpening);
    EXPECT_EQ(line.substr(line.size() - 2), "\">");
    return line.substr(kOpening.size(), line.size() - kOpening.size() - 2);
}

TEST(ComposeMetaTag, PhrasesThenWordsNotContainedInThem) {
    const ComposedTag tag = Compose(Ranked({"rose", "roses", "garden", "car", "so", "pruning"}),
                                    "  Rose Garden, Soil Care  ");
    EXPECT_EQ(tag.text, kOpening + "rose garden,soil care,roses,pruning\">\r\n\r\n"
                                   "Number of keywords in meta tag: 4\r\n"
                                   "Number of bytes in meta tag: 66");
    EXPECT_EQ(tag.beginTextShown, "Rose Garden, Soil Care");
    EXPECT_EQ(tag.keywordCount, 4);
    EXPECT_EQ(tag.byteCount, 66);
}

TEST(ComposeMetaTag, BeginTextHandling) {
    const auto words = Ranked({"alpha", "beta"});
    struct Row {
        const char* begin;
        const char* content;
        std::int64_t count;
    };
    const Row rows[] = {
        {"", "alpha,beta", 2},
        {",", "alpha,beta", 2}, // a lone comma is no phrase
        {"  ,  ", "alpha,beta", 2},
        {"One,  Two", "one, two,alpha,beta", 4}, // ", " is replaced once at each place
        {"one,two,", "one,two,alpha,beta", 4},
        {"one,,", "one,,alpha,beta", 4},
        {"\xC4\xB0ZMIR", "izmir,alpha,beta", 3},
        {"betas", "betas,alpha", 2},
    };
    for (const Row& r : rows) {
        const ComposedTag tag = Compose(words, r.begin);
        EXPECT_EQ(Content(tag), r.content) << '"' << r.begin << '"';
        EXPECT_EQ(tag.keywordCount, r.count) << '"' << r.begin << '"';
    }
}

TEST(ComposeMetaTag, AccentedPhrasesHideTheirFoldedWords) {
    const ComposedTag tag = Compose(Ranked({"cafe", "menu"}), "Caf\xC3\xA9");
    EXPECT_EQ(Content(tag), "caf\xC3\xA9,menu");
    EXPECT_EQ(tag.byteCount, 31 + 4 + 5); // characters, not UTF-8 bytes
}

TEST(ComposeMetaTag, KeywordLimit) {
    const auto words = Ranked({"alpha", "beta", "gamma", "delta", "epsilon", "zeta"});
    EXPECT_EQ(Content(Compose(words, "", "3")), "alpha,beta,gamma");
    EXPECT_EQ(Content(Compose(words, "p,q,r,s,t", "5")), "p,q,r,s,t");
    EXPECT_EQ(Content(Compose(words, "p,q,r,s,t,u", "5")), "p,q,r,s,t,u");
    EXPECT_EQ(Compose(words, "p,q,r,s,t,u", "5").keywordCount, 6);
    // A phrase that hides a word still counts toward the limit; a hidden word does not.
    EXPECT_EQ(Content(Compose(words, "alpha", "3")), "alpha,beta,gamma");
}

TEST(ComposeMetaTag, LimitTextsReadAsNumbers) {
    const auto words =
        Ranked({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p"});
    struct Row {
        const char* text;
        std::int64_t count;
    };
    const Row rows[] = {
        {"", 16},   {"0", 16},    {"abc", 16},  {"-3", 16},   {"+.5", 16},
        {"1.5", 2}, {" 1 0", 10}, {"12.5", 12}, {"13.5", 14}, {"99999999999999", 16},
        {"+4", 4},  {"1e3", 1},   {"2.5.9", 2},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(Compose(words, "", r.text).keywordCount, r.count) << '"' << r.text << '"';
    }
}

TEST(ComposeMetaTag, ByteLimit) {
    const auto words = Ranked({"alpha", "beta"});
    for (const char* limit : {"1", "32", "36"}) {
        const ComposedTag tag = Compose(words, "", "", limit);
        EXPECT_EQ(Content(tag), "") << limit;
        EXPECT_EQ(tag.byteCount, 31) << limit;
        EXPECT_EQ(tag.keywordCount, 0) << limit;
    }
    EXPECT_EQ(Content(Compose(words, "", "", "37")), "alpha"); // 31 + 5 + 1
    EXPECT_EQ(Content(Compose(words, "", "", "40")), "alpha"); // beta needs 36 + 4 + 1
    EXPECT_EQ(Content(Compose(words, "", "", "41")), "alpha,beta");
    // Phrases always go in, even past the limit.
    EXPECT_EQ(Content(Compose(words, "a long phrase", "", "20")), "a long phrase");
    // The loop ends at the first word that does not fit; shorter ones later are not tried.
    EXPECT_EQ(Content(Compose(Ranked({"alpha", "longerword", "beta"}), "", "", "45")), "alpha");
    // The byte test comes before the phrase test: a hidden word can still end the loop.
    EXPECT_EQ(Content(Compose(Ranked({"longerword", "beta"}), "longerword", "", "50")),
              "longerword");
}

TEST(ComposeMetaTag, EmptyTableGivesTheNoWordsMessage) {
    const ComposedTag tag = Compose({}, "phrase");
    EXPECT_TRUE(tag.noWords);
    EXPECT_EQ(tag.text, "No words with more than 3 letters occur at least twice.");
}

} // namespace
} // namespace orvanta
