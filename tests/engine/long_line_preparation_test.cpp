#include "engine/preparing/line_preparation.h"
#include "engine/preparing/long_line_preparation.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace orvanta {
namespace {

std::string Whole(const std::string& raw) {
    std::string line;
    return PrepareText(raw, line, text::DefaultLineDecoder()) ? line + ' ' : "(skipped)";
}

std::string InPieces(const std::string& raw, std::size_t pieceBytes) {
    std::string line;
    return PrepareLongLine(raw, line, text::DefaultLineDecoder(), nullptr, pieceBytes)
               ? line
               : "(skipped)";
}

// Cut at every space, the line still comes out as prepared whole: runs of spaces at a cut,
// entities, tags and references next to one, a letter entity that a replacement completes,
// a letter whose lower case is ASCII, and a line that is only partly valid UTF-8.
TEST(LongLinePreparation, PiecesGiveWhatTheWholeLineGives) {
    const std::string lines[] = {
        "  Plain   Words  here ",
        "<TITLE>Caf&eacute; &amp; Bar</title> <b>X</b>   &nbsp; &#228; &#x41;",
        "a &&auml;lig; b &&ouml; c & auml;",
        "Temperature 300 \xE2\x84\xAA and \xC4\xB0stanbul",
        "Caf\xC3\xA9 first, then caf\xE9 in Latin-1",
        "<h1>One</h1> <H2>two</H2>  &laquo;three&raquo; ",
        "     ",
    };
    for (const std::string& raw : lines) {
        for (const std::size_t pieceBytes : {1, 2, 5, 13}) {
            EXPECT_EQ(InPieces(raw, pieceBytes), Whole(raw)) << raw << " / " << pieceBytes;
        }
    }
}

// A line too long to prepare whole: one byte that is not UTF-8 near its end makes all of it
// Windows-1252, pieces far before that byte included.
TEST(LongLinePreparation, ALongLineIsReadInOneEncodingThroughout) {
    const std::string raw = testing::Repeat("Caf\xC3\xA9 ", kLongLineBytes / 6 + 200) + "na\xEFve";
    std::string line;
    ASSERT_TRUE(PrepareLine(raw, line));
    EXPECT_EQ(line, Whole(raw));
    EXPECT_FALSE(line.starts_with("cafe ")); // é read as two Windows-1252 characters
    EXPECT_TRUE(line.ends_with(" naive "));
}

TEST(LongLinePreparation, ACancelEndsThePreparation) {
    const std::atomic<bool> cancel = true;
    std::string line;
    EXPECT_FALSE(
        PrepareLongLine(std::string(3'000'000, 'w'), line, text::DefaultLineDecoder(), &cancel));
    EXPECT_TRUE(line.empty());
}

} // namespace
} // namespace orvanta
