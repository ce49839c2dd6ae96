// The existing keywords tag: which line shows it, and what of that line is shown.
#include "engine/existing_keywords.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace orvanta {
namespace {

constexpr const char* kNotFound = nullptr;

struct Row {
    const char* name;
    std::string page;
    const char* shown; // the tag as shown; kNotFound when none is
};

const Row kRows[] = {
    // The searched text is the line before its first "</head>", shown from its first "<meta ".
    {"on the head's line", "<head><title>t</title><meta name=\"keywords\" content=\"a\"></head><p>",
     "<meta name=\"keywords\" content=\"a\">"},
    {"spaces before the head's end stay", "<meta name=\"keywords\" content=\"a\"> </head>",
     "<meta name=\"keywords\" content=\"a\"> "},
    {"from the first meta", "<meta name=\"d\" content=\"x\"><META NAME=\"Keywords\">\n</head>",
     "<meta name=\"d\" content=\"x\"><meta name=\"keywords\">"},
    {"only the tag's first line", "<meta name=\"keywords\"\ncontent=\"a\">",
     "<meta name=\"keywords\""},
    {"the line trimmed", "   <meta name=\"keywords\" content=\"a\">   \r\n",
     "<meta name=\"keywords\" content=\"a\">"},
    {"keywords anywhere before the end", "<p \"keywords\"><meta name=\"x\">", "<meta name=\"x\">"},
    {"keywords after the head's end", "<meta name=\"x\"></head><meta name=\"keywords\">",
     kNotFound},
    {"meta after the head's end", "\"keywords\"</head><meta name=\"keywords\">", kNotFound},
    {"the head's end stops the search", "<head></head>\n<meta name=\"keywords\">", kNotFound},
    {"the head's end on a line of its own", "  </HEAD>  \n<meta name=\"keywords\">", kNotFound},
    {"no head's end", "<p>\n<p>", kNotFound},
    {"meta needs a space", "<meta\tname=\"keywords\">", kNotFound},
    // The ways a name may be written.
    {"single quotes", "<meta name='keywords' content='a'>", "<meta name='keywords' content='a'>"},
    {"bare, then a space", "<meta name=keywords content=a>", "<meta name=keywords content=a>"},
    {"bare, then >", "<meta content=a name=keywords>", "<meta content=a name=keywords>"},
    {"bare, then /", "<meta content=a name=keywords/>", "<meta content=a name=keywords/>"},
    {"bare, at the line's end", "<meta content=a name=KEYWORDS  ", "<meta content=a name=keywords"},
    {"bare, at the head's end", "<meta content=a name=keywords</head>",
     "<meta content=a name=keywords"},
    {"bare, then another letter", "<meta name=keywordsx content=a>", kNotFound},
    {"bare, then a quote", "<meta name=keywords\" content=a>", kNotFound},
    {"bare, then a tab", "<meta name=keywords\tcontent=a>", kNotFound},
    {"bare, no equals sign", "<meta name keywords content=a>", kNotFound},
    {"quoted without its closing quote", "<meta name=\"keywords content=a>", kNotFound},
    // Decoded as for a run, lower-cased by character; references stay as written.
    {"UTF-8", "<META NAME=\"keywords\" CONTENT=\"&Auml;RGER,CAF\xC3\x89\">",
     "<meta name=\"keywords\" content=\"&auml;rger,caf\xC3\xA9\">"},
    {"Windows-1252", "<META NAME=\"keywords\" CONTENT=\"CAF\xC9\">",
     "<meta name=\"keywords\" content=\"caf\xC3\xA9\">"},
    {"a Kelvin sign lower-cases to k",
     "<meta name=\"\xE2\x84\xAA"
     "eywords\">",
     "<meta name=\"keywords\">"},
    {"declared encoding",
     "<meta charset=windows-1251>\n<META NAME=keywords CONTENT=\"\xD1\xE5 \xC2\">",
     "<meta name=keywords content=\"\xD1\x81\xD0\xB5 \xD0\xB2\">"},
    {"declared shift-state encoding",
     "<meta charset=iso-2022-jp>\n<meta name=keywords content=\"\x1B$B$3$s\x1B(B\">",
     "<meta name=keywords content=\"\xE3\x81\x93\xE3\x82\x93\">"},
};

// Each page is also searched in pieces of one byte up, so that every text searched for is cut
// somewhere; the outcome never depends on where.
TEST(ExistingKeywords, ShownTagFollowsTheHeadsEndAndTheNamesForms) {
    for (const Row& row : kRows) {
        const std::string path = testing::WriteTempFile(row.page);
        for (const std::size_t pieceBytes : {kLowerCasePieceBytes, std::size_t{1}, std::size_t{2},
                                             std::size_t{3}, std::size_t{5}, std::size_t{8}}) {
            const ExistingKeywords found = FindExistingKeywords(path, pieceBytes);
            if (row.shown == kNotFound) {
                EXPECT_EQ(found.outcome, ExistingKeywordsOutcome::NotFound) << row.name;
            } else {
                EXPECT_EQ(found.outcome, ExistingKeywordsOutcome::Found) << row.name;
                EXPECT_EQ(found.tag, row.shown) << row.name << ", pieces of " << pieceBytes;
            }
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
