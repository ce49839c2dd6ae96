// Pages and files a hostile but fair user may give: each ends with a result or a reason, at once.
#include "engine/output/existing_keywords.h"
#include "engine/output/meta_tag_composer.h"
#include "test_support.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace orvanta {
namespace {

namespace fs = std::filesystem;

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

// Broken and strange pages are analysed to the end, and the tag is composed.
TEST(HostilePages, StrangeContentIsAnalysedToTheEnd) {
    struct Row {
        const char* name;
        std::string page;
        std::string firstWord; // the top-ranked word; empty: no word at all
    };
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 7) & 0xFF);
    }
    const Row rows[] = {
        {"empty", "", ""},
        {"only spaces", std::string(5000, ' '), ""},
        {"only NUL bytes", std::string(5000, '\0'), ""},
        {"binary", binary, "elszahov"}, // letters among the bytes still make words
        {"invalid UTF-8", "\xC3\x28 \xFF\xFE \xED\xA0\x80 \xF4\x90\x80\x80 lantern lantern",
         "lantern"},
        {"nested font tags",
         Repeat("<font size=+1>", 400) + "lantern" + "\n" + Repeat("<font size=+1>\n", 2000) +
             "beacon",
         "lantern"},
        {"many tables", Repeat("<table><tr><td>cell\n", 2000), "cell"},
        {"unterminated comment", "lantern <!-- beacon beacon beacon\n" + Repeat("beacon\n", 50),
         "lantern"},
        {"unterminated script", "lantern <script> beacon beacon\n" + Repeat("x = 1;\n", 50),
         "lantern"},
        {"unterminated style", "lantern <style> p { beacon beacon }\n" + Repeat("q {}\n", 50),
         "lantern"},
        {"tag that never closes", "lantern <p class=\"" + Repeat("beacon ", 2000), "lantern"},
        {"huge font sizes",
         "<font size=99999999999999999999>lantern</font><font size=+99999999999999999999>lantern"
         "</font><font size=-99999999999999999999>beacon</font>",
         "lantern"},
    };
    for (const Row& r : rows) {
        const std::string path = testing::WriteTempFile(r.page);
        testing::RecordingHost host;
        host.options.minFrequency = 1;
        const RunResult run = RunAnalysis(path, host);
        (void)ComposeMetaTag(run.words, host.options);
        EXPECT_EQ(run.outcome, RunOutcome::Completed) << r.name << ": " << run.failureReason;
        EXPECT_NE(FindExistingKeywords(path).outcome, ExistingKeywordsOutcome::ReadError) << r.name;
        EXPECT_EQ(run.words.empty() ? "" : run.words.front().text, r.firstWord) << r.name;
    }
}

// A file changed under a run: deleted (still read to its end), truncated (the run ends early),
// grown (read no further than its size when opened).
TEST(HostilePages, AFileChangedWhileARunReadsIt) {
    const std::string body = Repeat("lantern beacon harbour\n", 4000); // past one read buffer
    struct Row {
        const char* name;
        std::function<void(const std::string&)> change;
        std::int64_t lanterns; // frequency of "lantern" at the end
    };
    const Row rows[] = {
        {"deleted", [](const std::string& path) { fs::remove(path); }, 4000},
        {"truncated", [](const std::string& path) { fs::resize_file(path, 0); }, -1},
        {"grown",
         [](const std::string& path) {
             std::ofstream(path, std::ios::app) << Repeat("lantern\n", 10000);
         },
         4000},
    };
    for (const Row& r : rows) {
        const std::string page = testing::WriteTempFile(body);
        testing::RecordingHost host;
        bool changed = false;
        host.onYield = [&](testing::RecordingHost&) {
            if (!changed) {
                changed = true;
                r.change(page);
            }
        };
        const RunResult run = ReadAndCount(page, host);
        EXPECT_EQ(run.outcome, RunOutcome::Completed) << r.name;
        ASSERT_FALSE(run.words.empty()) << r.name;
        if (r.lanterns >= 0) {
            EXPECT_EQ(run.words.front().frequency, r.lanterns) << r.name;
        } else {
            EXPECT_LT(run.words.front().frequency, 4000) << r.name;
        }
    }
}

} // namespace
} // namespace orvanta
