#include "engine/embedded_data.h"
#include "engine/page_language.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace orvanta {
namespace {

std::uint32_t Crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

std::string ReadSourceFile(const std::string& name) {
    std::ifstream in(std::string(ORVANTA_TEST_DATA_DIR) + "/../../engine/data/common-words/" + name,
                     std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(CommonWordData, BuiltInListsAreTheSnowballFilesByteForByte) {
    struct Expected {
        std::string_view name;
        std::size_t size;
        std::uint32_t crc;
    };
    // Size and CRC-32 (as zlib computes it) of the files as received.
    const std::vector<Expected> expected = {
        {"da.txt", 420, 0x4C8B5F2A},
        {"de.txt", 1349, 0x59F7CF2B},
        {"english-detection.txt", 621, 0xA0CE48FA},
        {"es.txt", 2017, 0x3231E968},
        {"fi.txt", 1547, 0x37F4834C},
        {"fr.txt", 755, 0xB14740B4},
        {"hu.txt", 1120, 0x3375EEE3},
        {"id.txt", 590, 0xD262E3E6},
        {"it.txt", 1641, 0x3F8CC926},
        {"nl.txt", 453, 0x7A83116F},
        {"no.txt", 802, 0x6EDC55B1},
        {"pt.txt", 1205, 0xF8F04CC9},
        {"sv.txt", 530, 0x1CC24EA9},
    };
    const std::vector<EmbeddedFile>& files = CommonWordFiles();
    ASSERT_EQ(files.size(), expected.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(files[i].name, expected[i].name);
        EXPECT_EQ(files[i].bytes.size(), expected[i].size) << files[i].name;
        EXPECT_EQ(Crc32(files[i].bytes), expected[i].crc) << files[i].name;
        EXPECT_EQ(files[i].bytes, ReadSourceFile(std::string(files[i].name))) << files[i].name;
    }
}

TEST(PageLanguageWords, LookUpInOneLanguagesList) {
    EXPECT_TRUE(IsPageLanguageWord(PageLanguage::De, "nicht"));
    EXPECT_TRUE(IsPageLanguageWord(PageLanguage::De, "fuer")); // folded like the page text
    EXPECT_TRUE(IsPageLanguageWord(PageLanguage::Fr, "dans"));
    EXPECT_TRUE(IsPageLanguageWord(PageLanguage::Sv, "och")); // last list
    EXPECT_TRUE(IsPageLanguageWord(PageLanguage::Da, "og"));  // first list
    EXPECT_FALSE(IsPageLanguageWord(PageLanguage::Fr, "nicht"));
    EXPECT_FALSE(IsPageLanguageWord(PageLanguage::De, "konfiguration"));
    EXPECT_FALSE(IsPageLanguageWord(PageLanguage::De, ""));
    EXPECT_FALSE(IsPageLanguageWord(PageLanguage::None, "nicht"));
    // The English detection list only votes; it is no language of its own.
    EXPECT_FALSE(IsPageLanguageWord(PageLanguage::De, "the"));
}

TEST(PageLanguageWords, CodesOfTheTwelveLanguages) {
    EXPECT_EQ(LanguageFromCode("da"), PageLanguage::Da);
    EXPECT_EQ(LanguageFromCode("sv"), PageLanguage::Sv);
    EXPECT_EQ(LanguageCode(PageLanguage::No), "no");
    EXPECT_EQ(LanguageCode(PageLanguage::None), "");
    for (const char* code : {"en", "DE", "de ", "", "none", "auto", "ger"}) {
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
    EXPECT_EQ(DecideLanguage(LanguageTally{}), None);
}

// Prepared lines of a real German manual page (lower case, umlauts folded, tags with attributes
// left as they are).
const std::vector<std::string> kGermanLines = {
    "<p>der server liest auch eine datei mit mime-dokumenttypen ein. der ",
    "name dieser datei wird durch die direktive <code class=\"directive\"><a "
    "href=\"./mod/mod_mime.html#typesconfig\">typesconfig</a></code> bestimmt. die "
    "voreinstellung ",
    "ist <code>mime.types</code>.</p> ",
    "<h2 id=\"syntax\">syntax der konfigurationsdateien <a title=\"permanent link\" "
    "href=\"#syntax\" class=\"permalink\"> </a>\x07 ",
    "<p>die konfigurationsdateien des apache enthalten eine direktive pro zeile. ",
    "der backslash \"\\\" laesst sich als letztes zeichen in einer zeile ",
    "dazu verwenden, die fortsetzung der direktive in der naechsten zeile ",
    "anzuzeigen. es darf kein weiteres zeichen oder whitespace zwischen dem ",
    "backslash und dem zeilenende folgen.</p> ",
};

// The English original of the same passage.
const std::vector<std::string> kEnglishLines = {
    "<p>the server also reads a file containing mime document types; ",
    "the filename is set by the <code class=\"directive\"><a "
    "href=\"./mod/mod_mime.html#typesconfig\">typesconfig</a></code> directive, ",
    "and is <code>mime.types</code> by default.</p> ",
    "<p>httpd configuration files contain one directive per line. ",
    "the backslash \"\\\" may be used as the last character on a line ",
    "to indicate that the directive continues onto the next line. ",
};

TEST(PageLanguageVote, ClearGermanPage) {
    PageLanguageVote vote;
    for (const std::string& line : kGermanLines) {
        vote.addPreparedLine(line);
    }
    EXPECT_EQ(vote.tally().perLanguage[1], 22); // de
    EXPECT_EQ(vote.tally().perLanguage[8], 4);  // nl, the runner-up
    EXPECT_EQ(vote.tally().english, 1);
    EXPECT_EQ(vote.result(), PageLanguage::De);
}

TEST(PageLanguageVote, EnglishPageHasNoOtherLanguage) {
    PageLanguageVote vote;
    for (const std::string& line : kEnglishLines) {
        vote.addPreparedLine(line);
    }
    EXPECT_GE(vote.tally().english, 10);
    EXPECT_EQ(vote.result(), PageLanguage::None);
}

TEST(PageLanguageVote, TooFewWordsDecideNothing) {
    PageLanguageVote vote;
    vote.addPreparedLine(kGermanLines[0]);
    vote.addPreparedLine(kGermanLines[1]);
    EXPECT_EQ(vote.tally().perLanguage[1], 9); // der auch eine mit ein dieser wird durch die
    EXPECT_EQ(vote.result(), PageLanguage::None);
}

TEST(PageLanguageVote, CountsDistinctWordsOutsideTags) {
    PageLanguageVote vote;
    // Words inside tags, attribute values included, do not count; a tag without its ">" runs to
    // the line's end.
    vote.addPreparedLine("<a title=\"und oder aber nicht\">und</a> <div class=\"doch ");
    // A "<" that opens no tag is an ordinary character.
    vote.addPreparedLine(U"0 < ratio <= 0.5 noch\x0bwenn< ");
    // Repeats count once; every non-letter separates, markers and accented letters included.
    vote.addPreparedLine("und und\x0b\xC3\xB8"
                         "ber ");
    EXPECT_EQ(vote.tally().perLanguage[1], 3); // und, noch, wenn
}

} // namespace
} // namespace orvanta
