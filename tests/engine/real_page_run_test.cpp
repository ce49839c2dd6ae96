// How a run reads real-world pages: character references, declared encodings and the common
// words of the page's own language, seen through the whole chain from file to word table.
#include "engine/output/existing_keywords.h"
#include "engine/words/word_acceptance.h"
#include "test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvanta {
namespace {

using testing::RecordingHost;
using testing::Summary;
using testing::WriteTempFile;
using Strings = std::vector<std::string>;

// The distinct words a page gives, in ranking order, with every word test but the lists off.
Strings Words(const std::string& html, AnalysisSettings settings = {}) {
    RecordingHost host;
    settings.ignoreShortWords = false;
    host.options = settings;
    Strings words;
    for (const WordEntry& w : ReadAndCount(WriteTempFile(html), host).words) {
        words.push_back(w.text);
    }
    return words;
}

// A German passage with more than ten distinct words of the German list and few English ones.
const std::string kGermanWords =
    "Die Datei wird von dem Server gelesen, wenn er startet. Sie enth&auml;lt eine Anweisung "
    "pro Zeile; der Server kann auch mit einer anderen Datei arbeiten, aber nicht ohne diese "
    "Anweisung. Wir haben sie hier f&uuml;r euch.";
const std::string kGermanText = "<p>" + kGermanWords + "</p>\n";

TEST(RealPageRun, CharacterReferencesGiveLettersOrSeparators) {
    EXPECT_EQ(Words("caf&#233; na&iuml;ve &lt;b&gt;bold&lt;/b&gt; l&rsquo;hiver &para; &#x2014;"),
              (Strings{"cafe", "naive", "bold", "hiver"}));
    // "&lt;b&gt;" never becomes a bold tag: the word keeps the plain weight.
    EXPECT_EQ(testing::RawKeyValue("&lt;b&gt;brass&lt;/b&gt;", "brass"), 3.0f);
    // Only the exact forms count; an unknown name or one without ";" stays and reads as before.
    EXPECT_EQ(Words("&foo; &rsquo stone"), (Strings{"foo", "rsquo", "stone"}));
}

TEST(RealPageRun, DeclaredLegacyEncodingDecidesOverUtf8) {
    // "l’état" in macintosh is also valid UTF-8 (U+054E); the declaration wins.
    EXPECT_EQ(Words("<meta charset=\"macintosh\">\nl\xD5\x8Etat\n"), Strings{"etat"});
    // The same bytes without a legacy declaration: the valid line is read as UTF-8.
    EXPECT_EQ(Words("<meta charset=\"utf-8\">\nl\xD5\x8Etat\n"), (Strings{"\u057e", "tat"}));
    // A declaration past the first 1,024 bytes does not count: Windows-1252.
    const std::string late = "<p>" + std::string(1100, ' ') + "</p><meta charset=\"koi8-r\">\n";
    EXPECT_EQ(Words(late + "bar\xFC\xDF" + "baz\n"), Strings{"baruessbaz"});
    EXPECT_EQ(Words("<meta charset=\"koi8-r\">\nbar\xFC\xDF" + std::string("baz\n")),
              (Strings{"bar", "\u044d\u044a", "baz"}));
}

TEST(RealPageRun, Utf16PagesReadLikeTheirUtf8Text) {
    const std::u16string text = u"<title>Gr\u00FC\u00DFe</title>\r\n<p>caf\u00E9 caf\u00E9\r<p>oak";
    for (const bool bigEndian : {false, true}) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t u : text) {
            const char high = static_cast<char>(u >> 8);
            const char low = static_cast<char>(u & 0xFF);
            bytes += bigEndian ? std::string{high, low} : std::string{low, high};
        }
        EXPECT_EQ(Words(bytes), (Strings{"gruesse", "cafe", "oak"})) << bigEndian;
    }
}

TEST(RealPageRun, ExistingKeywordsAreReadInTheDeclaredEncoding) {
    const std::string page = "<meta http-equiv=\"Content-Type\" content=\"text/html; "
                             "charset=windows-1251\">\n<META NAME=\"keywords\" "
                             "CONTENT=\"\xD1\xE5\xF0\xE2\xE5\xF0, &amp;\">\n</head>\n";
    const ExistingKeywords found = FindExistingKeywords(WriteTempFile(page));
    EXPECT_EQ(found.outcome, ExistingKeywordsOutcome::Found);
    // Lower-cased, references left as written.
    EXPECT_EQ(found.tag, "<meta name=\"keywords\" content=\"\xD1\x81\xD0\xB5\xD1\x80\xD0\xB2"
                         "\xD0\xB5\xD1\x80, &amp;\">");
}

TEST(RealPageRun, VotedLanguageDropsItsCommonWordsWhenCommonWordsAreIgnored) {
    RecordingHost host;
    const RunResult run = ReadAndCount(WriteTempFile(kGermanText), host);
    EXPECT_EQ(run.pageLanguage, PageLanguage::De);
    const Strings words = Summary(run.words);
    const auto has = [&](const std::string& w) {
        return std::any_of(words.begin(), words.end(),
                           [&](const std::string& s) { return s.starts_with(w + ":"); });
    };
    EXPECT_TRUE(has("anweisung"));
    EXPECT_TRUE(has("server"));
    EXPECT_FALSE(has("wird"));
    EXPECT_FALSE(has("eine"));
    EXPECT_FALSE(has("fuer")); // the list's "für", folded like the page's text

    // With common words allowed the language is still voted, and its words are counted.
    host.options.ignoreCommonWords = false;
    const RunResult all = ReadAndCount(WriteTempFile(kGermanText), host);
    EXPECT_EQ(all.pageLanguage, PageLanguage::De);
    EXPECT_GT(all.words.size(), run.words.size());
}

TEST(RealPageRun, GivenLanguageReplacesTheVote) {
    AnalysisSettings settings;
    settings.votePageLanguage = false;
    RecordingHost host;
    host.options = settings; // no page language: only the English lists
    RunResult run = ReadAndCount(WriteTempFile(kGermanText), host);
    EXPECT_EQ(run.pageLanguage, PageLanguage::None);
    EXPECT_EQ(testing::RawKeyValue(kGermanText, "wird", settings), 3.0f);

    settings.pageLanguage = PageLanguage::Nl; // a list chosen by hand, whatever the text
    EXPECT_EQ(testing::RawKeyValue("<p>omdat museum</p>", "museum", settings), 3.0f);
    EXPECT_EQ(testing::RawKeyValue("<p>omdat museum</p>", "omdat", settings), -1.0f);
    settings.ignoreCommonWords = false;
    EXPECT_EQ(testing::RawKeyValue("<p>omdat museum</p>", "omdat", settings), 3.0f);
}

TEST(RealPageRun, VoteReadsOnlyTheStartOfTheFile) {
    // The German text after 65,536 bytes of English filler is not seen by the vote.
    std::string page;
    while (page.size() < kLanguageSampleBytes) {
        page += "<p>plain filler text about lanterns</p>\n";
    }
    EXPECT_EQ(VotePageLanguage(WriteTempFile(page + kGermanText)), PageLanguage::None);
    EXPECT_EQ(VotePageLanguage(WriteTempFile(kGermanText + page)), PageLanguage::De);
    // Markup does not vote: the same words inside a tag count for nothing.
    EXPECT_EQ(VotePageLanguage(WriteTempFile("<a title=\"" + kGermanWords + "\">x</a>")),
              PageLanguage::None);
}

// The word tests used for one word and by a run's acceptor are one implementation: the verdict
// remembered for a word covers the page language's list too.
TEST(RealPageRun, PageLanguageWordsFailTheCommonWordTest) {
    AnalysisSettings s;
    const IgnoreList none(",");
    EXPECT_TRUE(PassesWordTests("werden", s, none));
    EXPECT_FALSE(PassesWordTests("werden", s, none, PageLanguage::De));
    EXPECT_TRUE(PassesWordTests("werden", s, none, PageLanguage::Fr));
    s.ignoreCommonWords = false;
    EXPECT_TRUE(PassesWordTests("werden", s, none, PageLanguage::De));
}

} // namespace
} // namespace orvanta
