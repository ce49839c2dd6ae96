// The command's options as parsed, before anything is analysed.
#include "cli/options.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace orvanta::cli {
namespace {

// A limit is a whole number, signed or not, or empty for no limit; it reaches the limit box's
// own check as given.
TEST(Options, LimitOptionsTakeAWholeNumberOnly) {
    struct Row {
        std::string option;
        std::string value;
        bool accepted;
    };
    const Row rows[] = {
        {"--max-keywords", "20", true},   {"--max-keywords", "+20", true},
        {"--max-keywords", "-20", true},  {"--max-keywords", "", true},
        {"--max-bytes", "0999", true},    {"--max-bytes", "99999999999999999999", true},
        {"--max-keywords", "abc", false}, {"--max-bytes", "1e2", false},
        {"--max-bytes", "12.5", false},   {"--max-keywords", " 20", false},
        {"--max-keywords", "20 ", false}, {"--max-keywords", "+", false},
        {"--max-bytes", "+-5", false},    {"--max-bytes", "0x10", false},
    };
    for (const Row& row : rows) {
        for (const bool equalsSign : {false, true}) {
            const ParseResult r = equalsSign
                                      ? ParseOptions({row.option + "=" + row.value, "page.html"})
                                      : ParseOptions({row.option, row.value, "page.html"});
            const std::string& given = row.option == "--max-keywords"
                                           ? r.options.settings.maxKeywordsText
                                           : r.options.settings.maxBytesText;
            if (row.accepted) {
                EXPECT_EQ(r.error, "") << row.option << " " << row.value;
                EXPECT_EQ(given, row.value);
            } else {
                EXPECT_EQ(r.error, "option '" + row.option +
                                       "' takes a whole number, or an empty text for no limit")
                    << row.value;
            }
        }
    }
}

TEST(Options, HelpFitsEightyColumns) {
    std::istringstream help(UsageText());
    for (std::string line; std::getline(help, line);) {
        EXPECT_LE(line.size(), 80u) << line;
    }
}

} // namespace
} // namespace orvanta::cli
