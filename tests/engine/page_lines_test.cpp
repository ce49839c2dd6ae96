#include "engine/reading/page_lines.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvanta {
namespace {

using Strings = std::vector<std::string>;

const std::function<void()> kNothing = [] {};

Strings ReadAll(const std::string& path, std::size_t readAheadFromBytes) {
    PageLines lines;
    EXPECT_TRUE(lines.open(path, readAheadFromBytes)) << lines.error();
    Strings out;
    for (std::string_view line; lines.next(line, kNothing);) {
        out.emplace_back(line);
    }
    EXPECT_EQ(lines.error(), "");
    return out;
}

// Lines of every kind the reading thread hands over: short ones batched together, blank ones
// skipped, long ones alone, line ends of all three kinds, a line in Windows-1252.
TEST(PageLines, ReadingAheadGivesTheSameLinesAsReadingInline) {
    std::string page = "<title>T&auml;st</title>\r\n\n   \n";
    for (int n = 0; n < 20'000; ++n) {
        page += "<p>Line " + std::to_string(n) + " &amp; more</p>" + (n % 3 == 0 ? "\r" : "\n");
    }
    page += std::string(200'000, 'w') + "\n" + "caf\xE9\n" + std::string(70'000, 'x');
    const std::string path = testing::WriteTempFile(page);

    const Strings inline_ = ReadAll(path, PageLines::kNeverReadAhead);
    ASSERT_EQ(inline_.size(), 20'004u);
    EXPECT_EQ(inline_[0], "\016taest\017 ");
    EXPECT_EQ(inline_[20'002], "cafe ");
    EXPECT_EQ(ReadAll(path, 0), inline_);
}

// The window ends a run by throwing from the wait; the reading thread then stops in the middle
// of the line and the exception reaches the caller.
TEST(PageLines, AnExceptionWhileWaitingStopsTheReading) {
    const std::string path = testing::WriteTempFile(std::string(60'000'000, 'w'));
    PageLines lines;
    ASSERT_TRUE(lines.open(path, 0));
    int waits = 0;
    std::string_view line;
    const auto stop = [&] {
        ++waits;
        throw std::runtime_error("stop");
    };
    EXPECT_THROW(lines.next(line, stop), std::runtime_error);
    EXPECT_EQ(waits, 1);
}

} // namespace
} // namespace orvanta
