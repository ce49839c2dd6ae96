#include "engine/words/embedded_data.h"
#include "engine/words/page_language.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvanta {
namespace {

using testing::ReadFile;

const std::string kDataDir =
    std::string(ORVANTA_TEST_DATA_DIR) + "/../../engine/data/common-words/";
// The lists as the project received them, beside a developer's or CI's checkout.
const std::string kReceivedDir =
    std::string(ORVANTA_TEST_DATA_DIR) + "/../../../shared/common-words/";

TEST(CommonWordData, BuiltInListsAreTheDataFilesAsReceived) {
    const std::vector<EmbeddedFile>& files = CommonWordFiles();
    ASSERT_EQ(files.size(), kPageLanguageCount + 1); // and english-detection.txt
    const bool received = std::filesystem::exists(kReceivedDir);
    for (const EmbeddedFile& file : files) {
        const std::string name(file.name);
        EXPECT_EQ(file.bytes, ReadFile(kDataDir + name)) << name;
        if (received) {
            EXPECT_EQ(file.bytes, ReadFile(kReceivedDir + name)) << name;
        }
    }
}

TEST(PageLanguageWords, LookUpInOneLanguagesList) {
    using enum PageLanguage;
    const struct {
        PageLanguage language;
        std::vector<std::string_view> listed;
        std::vector<std::string_view> unlisted;
    } rows[] = {
        // Folded like the page text; the English detection list only votes, it is no language
        // of its own.
        {De, {"nicht", "fuer"}, {"konfiguration", "", "the"}},
        {Fr, {"dans"}, {"nicht"}},
        {Ar, {"في"}, {}},                 // the first list
        {Zh, {"我们", "我們"}, {"软件"}}, // the last list, in its Traditional form too
        {El, {"της"}, {}},                // with its final sigma
        {None, {}, {"nicht"}},
    };
    for (const auto& r : rows) {
        for (const std::string_view word : r.listed) {
            EXPECT_TRUE(IsPageLanguageWord(r.language, word)) << LanguageCode(r.language) << word;
        }
        for (const std::string_view word : r.unlisted) {
            EXPECT_FALSE(IsPageLanguageWord(r.language, word)) << LanguageCode(r.language) << word;
        }
    }
}

// Every language has a code of two letters that names it back; no other code names one.
TEST(PageLanguageWords, CodesOfTheLanguages) {
    for (std::size_t i = 1; i <= kPageLanguageCount; ++i) {
        const auto language = static_cast<PageLanguage>(i);
        EXPECT_EQ(LanguageCode(language).size(), 2u) << i;
        EXPECT_EQ(LanguageFromCode(LanguageCode(language)), language) << i;
    }
    EXPECT_EQ(LanguageCode(PageLanguage::None), "");
    for (const char* code : {"en", "DE", "de ", "", "none", "auto", "ger", "zh-cn"}) {
        EXPECT_EQ(LanguageFromCode(code), std::nullopt) << code;
    }
}

LanguageTally Tally(std::initializer_list<std::pair<PageLanguage, int>> counts, int english) {
    LanguageTally tally;
    for (const auto& [language, count] : counts) {
        tally.perLanguage[static_cast<std::size_t>(language) - 1] = count;
    }
    tally.english = english;
    return tally;
}

TEST(PageLanguageDecision, ThresholdsAtTheirEdges) {
    using enum PageLanguage;
    EXPECT_EQ(DecideLanguage(Tally({{De, 10}}, 0)), De);
    EXPECT_EQ(DecideLanguage(Tally({{De, 9}}, 0)), None);
    // More than the English list, not as many.
    EXPECT_EQ(DecideLanguage(Tally({{Fr, 12}}, 11)), Fr);
    EXPECT_EQ(DecideLanguage(Tally({{Fr, 12}}, 12)), None);
    // One and a half times the runner-up, exactly enough and just short.
    EXPECT_EQ(DecideLanguage(Tally({{Es, 15}, {Pt, 10}}, 0)), Es);
    EXPECT_EQ(DecideLanguage(Tally({{Es, 14}, {Pt, 10}}, 0)), None);
    EXPECT_EQ(DecideLanguage(Tally({{Pt, 15}, {Es, 10}, {It, 11}}, 0)), None);
    // A tie at the top is never a clear language, whichever code comes first.
    EXPECT_EQ(DecideLanguage(Tally({{No, 20}, {Da, 20}}, 0)), None);
    // The English list can outvote only a list that holds words a-z itself: the English words
    // of commands on a Japanese or Russian page do not, those of a Czech page do.
    EXPECT_EQ(DecideLanguage(Tally({{Ja, 12}}, 40)), Ja);
    EXPECT_EQ(DecideLanguage(Tally({{Ru, 12}}, 40)), Ru);
    EXPECT_EQ(DecideLanguage(Tally({{Cs, 12}}, 12)), None);
}

int Count(const PageLanguageVote& vote, PageLanguage language) {
    return vote.tally().perLanguage[static_cast<std::size_t>(language) - 1];
}

// A prepared passage of a German manual page (lower case, umlauts folded, tags with attributes
// left as they are).
const std::string kGerman =
    "<p>der server liest auch eine datei mit mime-dokumenttypen ein. der name dieser datei wird "
    "durch die direktive <code class=\"directive\"><a href=\"./mod/mod_mime.html#typesconfig\">"
    "typesconfig</a></code> bestimmt. die konfigurationsdateien des apache enthalten eine "
    "direktive pro zeile; der backslash laesst sich als letztes zeichen in einer zeile dazu "
    "verwenden.</p> ";
// What the vote counts: distinct words of each list outside tags (attribute values included; a
// tag without its ">" runs to the line's end, a "<" that opens no tag is an ordinary character),
// cut as the scanner cuts them; every non-letter separates, markers and symbols included.
TEST(PageLanguageVote, CountsDistinctWordsOfEachListOutsideTags) {
    using enum PageLanguage;
    const std::vector<std::string> mixed = {
        "<a title=\"und oder aber nicht\">und</a> <div class=\"doch ",
        "0 < ratio <= 0.5 noch\013wenn< ", "und und\013€ber "};
    const struct {
        std::vector<std::string> lines;
        PageLanguage language;
        int count;
        int english;
        PageLanguage result;
    } rows[] = {
        {{kGerman}, De, 15, 1, De},
        {{kGerman}, Nl, 4, 1, De},                  // the runner-up
        {{kGerman.substr(0, 120)}, De, 9, 0, None}, // der auch eine mit ein dieser wird durch die
        {mixed, De, 3, 0, None},                    // und, noch, wenn
        // これはテストです: これ, は, テスト, です; three of them are common Japanese words. A
        // Russian word after a-z letters starts a word of its own.
        {{"これはテストです abcили "}, Ja, 3, 0, None},
        {{"これはテストです abcили "}, Ru, 1, 0, None},
    };
    for (const auto& r : rows) {
        PageLanguageVote vote;
        for (const std::string& line : r.lines) {
            vote.addPreparedLine(line);
        }
        EXPECT_EQ(Count(vote, r.language), r.count) << r.lines.front();
        EXPECT_EQ(vote.tally().english, r.english) << r.lines.front();
        EXPECT_EQ(vote.result(), r.result) << r.lines.front();
    }
}

} // namespace
} // namespace orvanta
