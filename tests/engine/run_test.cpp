#include "engine/output.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvanta {
namespace {

using testing::Analyse;
using testing::RecordingHost;
using testing::Summary;
using testing::WriteTempFile;
using Strings = std::vector<std::string>;

TEST(AnalysisRun, StopsBetweenLinesWithTheTableAsItStood) {
    RecordingHost host;
    host.stopAfterLines = 2; // empty lines are not asked about
    const RunResult run = Analyse("alpha\r\n\r\n   \r\nbeta\nalpha\rgamma", host);
    EXPECT_EQ(run.outcome, RunOutcome::Stopped);
    EXPECT_EQ(Summary(run.words), (Strings{"alpha:1:3", "beta:1:3"})); // not filtered or scaled
    EXPECT_EQ(run.wordsIdentified, 2);
    EXPECT_EQ(StoppedLine(run.wordsIdentified), "\r\nStopped with 2 words identified.");
    EXPECT_EQ(host.wordsAdded, (Strings{"alpha", "beta"}));
}

TEST(AnalysisRun, YieldsAfterEveryScanStepAndEveryLine) {
    RecordingHost host;
    Analyse("ab cd\n\nxy", host);
    EXPECT_EQ(host.yields, 3 + 1 + 1 + 1); // "ab", " ", "cd", line; "xy", line
}

TEST(AnalysisRun, SettingsChangedDuringARunApplyFromTheNextUse) {
    RecordingHost host;
    host.onYield = [](RecordingHost& h) {
        if (!h.wordsAdded.empty()) {
            h.options.BoldWeight = 8;
            h.setIgnoreText("gamma");
        }
    };
    const RunResult run = ReadAndCount(WriteTempFile("<b>alpha alpha</b> gamma"), host);
    EXPECT_EQ(Summary(run.words), (Strings{"alpha:2:18"})); // 6, then 3 + 9
}

TEST(AnalysisRun, EachRunStartsFromAClearState) {
    EXPECT_EQ(testing::RawKeyValue("<title><!-- <font size=7><b>alpha", "alpha"), -1.0f);
    EXPECT_EQ(testing::RawKeyValue("beta", "beta"), 3.0f);
}

TEST(AnalysisRun, CountsBeyondSixteenBitsOnOneLongLine) {
    std::string line;
    for (int i = 0; i < 40000; ++i) {
        line += "alpha ";
    }
    const RunResult run = Analyse(line);
    ASSERT_EQ(run.words.size(), 1u);
    EXPECT_EQ(run.words[0].frequency, 40000);
    EXPECT_EQ(testing::RawKeyValue(line, "alpha"), 120000.0f);
}

TEST(AnalysisRun, MissingFileFails) {
    RecordingHost host;
    const RunResult run = RunAnalysis("/nonexistent/orvanta/page.html", host);
    EXPECT_EQ(run.outcome, RunOutcome::Failed);
    EXPECT_NE(run.failureReason, "");
    EXPECT_EQ(CheckInputFile("/nonexistent/orvanta/page.html"), InputFileCheck::NotFound);
}

const char* const kPage =
    "<html><head>\r\n"
    "<title>Rose Garden</title>\r\n"
    "<meta name=\"description\" content=\"Growing roses in a small garden\">\r\n"
    "<meta name=\"keywords\" content=\"roses, pruning\">\r\n"
    "</head><body>\r\n"
    "<h1>Rose pruning</h1>\r\n"
    "<p>Prune roses in <b>early spring</b>. Garden roses need sun.</p>\r\n"
    "<!-- old roses -->\r\n"
    "<table><tr><td>Soil care for roses</td></tr></table>\r\n"
    "</body></html>\r\n";

TEST(WholePage, GeneratesTheTagAndTheList) {
    RecordingHost host;
    const RunResult run = Analyse(kPage, host);
    ASSERT_EQ(run.outcome, RunOutcome::Completed);
    EXPECT_EQ(run.wordsIdentified, 6);
    EXPECT_EQ(host.wordsAdded, (Strings{"rose", "garden", "prune", "need", "soil", "care"}));
    EXPECT_EQ(ComposeMetaTag(run.words, Settings{}).text,
              "<META NAME=\"keywords\" CONTENT=\"rose,garden\">\r\n\r\n"
              "Number of keywords in meta tag: 2\r\n"
              "Number of bytes in meta tag: 42");
    Settings once;
    once.ThresholdFrequency = 0;
    EXPECT_EQ(WriteWordList(Analyse(kPage, once).words, once), "Rank Value Frequency\r\n"
                                                               "   1   100    7 rose\r\n"
                                                               "   2    78    3 garden\r\n"
                                                               "   3     4    1 soil\r\n"
                                                               "   4     4    1 care\r\n"
                                                               "   5     3    1 prune\r\n"
                                                               "   6     3    1 need\r\n");
}

} // namespace
} // namespace orvanta
