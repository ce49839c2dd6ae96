#include "engine/output.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

struct Row {
    const char* typed;
    const char* filtered;
    const char* message;
    const char* final;
};

void Check(LimitBoxCheck (*check)(std::string_view), std::initializer_list<Row> rows) {
    for (const Row& r : rows) {
        const LimitBoxCheck c = check(r.typed);
        EXPECT_EQ(c.filtered, r.filtered) << r.typed;
        EXPECT_EQ(c.message, r.message) << r.typed;
        EXPECT_EQ(c.finalText, r.final) << r.typed;
    }
}

TEST(LimitBoxes, MaximumKeywords) {
    const char* tooMany = "Maximum number of keywords in the meta tag is 100.";
    const char* tooFew = "Minimum number of keywords in the meta tag is 5.";
    Check(CheckMaxKeywordsBox, {
                                   {"12.5", "125", tooMany, "50"},
                                   {"0", "0", tooFew, "50"},
                                   {"4", "4", tooFew, "50"},
                                   {"+", "+", tooFew, "50"},
                                   {"5", "5", "", "5"},
                                   {"100", "100", "", "100"},
                                   {"101", "101", tooMany, "50"},
                                   {"+50", "+50", "", "+50"},
                                   {"5+0", "50", "", "50"},
                                   {"-7", "7", "", "7"},
                                   {"abc", "", "", ""},
                                   {"", "", "", ""},
                               });
}

TEST(LimitBoxes, MaximumBytes) {
    const char* tooMany = "Maximum number of bytes in the meta tag is 1000.";
    Check(CheckMaxBytesBox, {
                                {"0", "0", "", "0"},
                                {"1", "1", "", "1"},
                                {"1000", "1000", "", "1000"},
                                {"1001", "1001", tooMany, "500"},
                                {"99x9", "999", "", "999"},
                                {"+", "+", "", "+"},
                                {"ab", "", "", ""},
                            });
}

} // namespace
} // namespace orvanta
