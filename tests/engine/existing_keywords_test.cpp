// The existing keywords tag: which line shows it, and what of that line is shown.
#include "engine/output/existing_keywords.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace orvanta {
namespace {

struct Row {
    std::string page;
    std::string shown; // the tag as shown; "" when none is
};

const Row kRows[] = {
    // The searched text is the line before its first "</head>", shown from its first "<meta ".
    {"<head><title>t</title><meta name=\"keywords\" content=\"a\"></head><p>",
     "<meta name=\"keywords\" content=\"a\">"},
    {"<meta name=\"keywords\" content=\"a\"> </head>", "<meta name=\"keywords\" content=\"a\"> "},
    {"<meta name=\"d\" content=\"x\"><META NAME=\"Keywords\">\n</head>",
     "<meta name=\"d\" content=\"x\"><meta name=\"keywords\">"},
    {"<meta name=\"keywords\"\ncontent=\"a\">", "<meta name=\"keywords\""},
    {"   <meta name=\"keywords\" content=\"a\">   \r\n", "<meta name=\"keywords\" content=\"a\">"},
    {"<p \"keywords\"><meta name=\"x\">", "<meta name=\"x\">"},
    {"<meta name=\"x\"></head><meta name=\"keywords\">", ""},
    {"\"keywords\"</head><meta name=\"keywords\">", ""},
    {"<head></head>\n<meta name=\"keywords\">", ""},
    {"  </HEAD>  \n<meta name=\"keywords\">", ""},
    {"<p>\n<p>", ""},
    {"<meta\tname=\"keywords\">", ""}, // meta needs a space
    // The ways a name may be written.
    {"<meta name='keywords' content='a'>", "<meta name='keywords' content='a'>"},
    {"<meta name=keywords content=a>", "<meta name=keywords content=a>"},
    {"<meta content=a name=keywords>", "<meta content=a name=keywords>"},
    {"<meta content=a name=keywords/>", "<meta content=a name=keywords/>"},
    {"<meta content=a name=KEYWORDS  ", "<meta content=a name=keywords"},
    {"<meta content=a name=keywords</head>", "<meta content=a name=keywords"},
    {"<meta name=keywordsx content=a>", ""},
    {"<meta name=keywords\" content=a>", ""},
    {"<meta name=keywords\tcontent=a>", ""},
    {"<meta name keywords content=a>", ""},
    {"<meta name=\"keywords content=a>", ""},
    // Decoded as for a run, lower-cased by character; references stay as written.
    {"<META NAME=\"keywords\" CONTENT=\"&Auml;RGER,CAF\xC3\x89\">",
     "<meta name=\"keywords\" content=\"&auml;rger,caf\xC3\xA9\">"},
    {"<META NAME=\"keywords\" CONTENT=\"CAF\xC9\">",
     "<meta name=\"keywords\" content=\"caf\xC3\xA9\">"},
    {"<meta name=\"\u212Aeywords\">", "<meta name=\"keywords\">"},
    {"<meta charset=windows-1251>\n<META NAME=keywords CONTENT=\"\xD1\xE5 \xC2\">",
     "<meta name=keywords content=\"\xD1\x81\xD0\xB5 \xD0\xB2\">"},
    {"<meta charset=iso-2022-jp>\n<meta name=keywords content=\"\x1B$B$3$s\x1B(B\">",
     "<meta name=keywords content=\"\xE3\x81\x93\xE3\x82\x93\">"},
};

// Each page is also searched in pieces of one byte up, so that every text searched for is cut
// somewhere; the outcome never depends on where.
TEST(ExistingKeywords, ShownTagFollowsTheHeadsEndAndTheNamesForms) {
    for (const Row& row : kRows) {
        const std::string path = testing::WriteTempFile(row.page);
        for (const std::size_t pieceBytes : {kLowerCasePieceBytes, 1ul, 2ul, 3ul, 5ul, 8ul}) {
            const ExistingKeywords found = FindExistingKeywords(path, pieceBytes);
            EXPECT_EQ(found.outcome, row.shown.empty() ? ExistingKeywordsOutcome::NotFound
                                                       : ExistingKeywordsOutcome::Found)
                << row.page;
            EXPECT_EQ(found.tag, row.shown) << row.page << ", pieces of " << pieceBytes;
        }
    }
}

// Why a file cannot be opened is OpenInputFile's to say; the search passes the reason on.
TEST(ExistingKeywords, AFileThatCannotBeOpenedIsAReadErrorWithTheReason) {
    const ExistingKeywords found = FindExistingKeywords("/nonexistent/orvanta/page.html");
    EXPECT_EQ(found.outcome, ExistingKeywordsOutcome::ReadError);
    EXPECT_EQ(found.error, "No such file or directory");
}

} // namespace
} // namespace orvanta
