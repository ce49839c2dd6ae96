#include "engine/line_reader.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvanta {
namespace {

std::vector<std::string> Lines(const std::string& bytes) {
    LineReader reader;
    EXPECT_TRUE(reader.open(testing::WriteTempFile(bytes)));
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line)) {
        lines.push_back(line);
    }
    EXPECT_EQ(reader.error(), "");
    return lines;
}

using Strings = std::vector<std::string>;

TEST(LineReader, EndsLinesAtCrLfCrOrLf) {
    EXPECT_EQ(Lines("a\r\nb\rc\nd"), (Strings{"a", "b", "c", "d"}));
    EXPECT_EQ(Lines("a\n\rb"), (Strings{"a", "", "b"})); // LF then CR is two line ends
    EXPECT_EQ(Lines("a\r\r\nb\r\n"), (Strings{"a", "", "b"}));
    EXPECT_EQ(Lines(""), Strings{});
}

TEST(LineReader, DropsTheByteOrderMarkAtTheVeryStartOnly) {
    EXPECT_EQ(Lines("\xEF\xBB\xBF"
                    "a\n\xEF\xBB\xBF"
                    "b"),
              (Strings{"a", "\xEF\xBB\xBF"
                            "b"}));
    EXPECT_EQ(Lines("\xEF\xBB"), Strings{"\xEF\xBB"});
}

TEST(LineReader, HandlesLongLinesAndCrLfSplitAcrossReads) {
    for (std::size_t n : {4095u, 4096u, 65535u, 65536u, 300000u}) {
        const std::string line(n, 'y');
        EXPECT_EQ(Lines(line + "\r\n" + line + "\r"), (Strings{line, line})) << n;
    }
}

} // namespace
} // namespace orvanta
