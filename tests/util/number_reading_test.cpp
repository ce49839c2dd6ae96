#include "util/number_reading.h"

#include <gtest/gtest.h>
#include <limits>

namespace orvanta::text {
namespace {

TEST(ReadLeadingNumber, FollowsTheLeadingNumberRule) {
    struct Row {
        const char* in;
        double value;
    };
    const Row rows[] = {
        {"", 0},      {"abc", 0},  {"50", 50}, {"  50", 50}, {" 1 0", 10},   {"12.5", 12.5},
        {"+.5", 0.5}, {".5", 0.5}, {"-3", -3}, {"+ 7", 7},   {"1.2.3", 1.2}, {"12abc9", 12},
        {"1e3", 1},   {"++5", 0},  {"5-3", 5}, {"007", 7},
    };
    for (const Row& r : rows) {
        EXPECT_DOUBLE_EQ(ReadLeadingNumber(r.in), r.value) << '"' << r.in << '"';
    }
}

TEST(ReadUnsignedNumber, ReadsDigitsAndOnePointWithoutSign) {
    EXPECT_DOUBLE_EQ(ReadUnsignedNumber(U"2\">"), 2);
    EXPECT_DOUBLE_EQ(ReadUnsignedNumber(U"1 0>"), 10);
    EXPECT_DOUBLE_EQ(ReadUnsignedNumber(U"1.5.5"), 1.5);
    EXPECT_DOUBLE_EQ(ReadUnsignedNumber(U".5"), 0.5);
    EXPECT_DOUBLE_EQ(ReadUnsignedNumber(U"+5"), 0); // no second sign
    EXPECT_DOUBLE_EQ(ReadUnsignedNumber(U">"), 0);
}

TEST(RoundToInt32, RoundsHalfToEvenAndClamps) {
    EXPECT_EQ(RoundToInt32(0.5), 0);
    EXPECT_EQ(RoundToInt32(1.5), 2);
    EXPECT_EQ(RoundToInt32(2.5), 2);
    EXPECT_EQ(RoundToInt32(-2.5), -2);
    EXPECT_EQ(RoundToInt32(12.5), 12);
    EXPECT_EQ(RoundToInt32(13.5), 14);
    EXPECT_EQ(RoundToInt32(2.6), 3);
    EXPECT_EQ(RoundToInt32(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundToInt32(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(RoundToInt32(ReadLeadingNumber("99999999999999999999999")),
              std::numeric_limits<std::int32_t>::max());
}

} // namespace
} // namespace orvanta::text
