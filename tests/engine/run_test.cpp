#include "test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvanta {
namespace {

using testing::RecordingHost;
using testing::Summary;
using testing::WriteTempFile;
using Strings = std::vector<std::string>;

TEST(AnalysisRun, StopsBetweenLinesWithTheTableAsItStood) {
    RecordingHost host;
    host.stopAfterLines = 2; // empty lines are not asked about
    const RunResult run =
        RunAnalysis(WriteTempFile("alpha\r\n\r\n   \r\nbeta\nalpha\rgamma"), host);
    EXPECT_EQ(run.outcome, RunOutcome::Stopped);
    EXPECT_EQ(Summary(run.words), (Strings{"alpha:1:3", "beta:1:3"})); // not filtered or scaled
    EXPECT_EQ(run.wordsIdentified, 2);
    EXPECT_EQ(host.wordsAdded, (Strings{"alpha", "beta"}));
}

// The host is asked to yield within a line too, so a change made there applies to the next word.
TEST(AnalysisRun, SettingsChangedDuringARunApplyFromTheNextUse) {
    RecordingHost host;
    host.onYield = [](RecordingHost& h) {
        if (!h.wordsAdded.empty()) {
            h.options.boldWeight = 9;
            h.ignore = IgnoreList("gamma,");
        }
    };
    const RunResult run = ReadAndCount(WriteTempFile("<b>alpha alpha</b> gamma"), host);
    EXPECT_EQ(Summary(run.words), (Strings{"alpha:2:18"})); // 6, then 3 + 9
}

// Text inside a table is scanned quickly while tables count; a table weight set to 0 during the
// table drops the rest of it from the next word on.
TEST(AnalysisRun, TableWeightSetToZeroInsideATableDropsItsRest) {
    RecordingHost host;
    host.onYield = [](RecordingHost& h) {
        if (!h.wordsAdded.empty()) {
            h.options.tableWeight = 0;
        }
    };
    const RunResult run =
        ReadAndCount(WriteTempFile("<table><td>alpha beta gamma</td></table> delta"), host);
    EXPECT_EQ(Summary(run.words), (Strings{"alpha:1:4", "delta:1:3"}));
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
    RecordingHost host;
    const RunResult run = ReadAndCount(WriteTempFile(line), host);
    EXPECT_EQ(Summary(run.words), Strings{"alpha:40000:120000"});
}

TEST(AnalysisRun, AFileThatVanishedFails) {
    RecordingHost host;
    const RunResult run = RunAnalysis("/nonexistent/orvanta/page.html", host);
    EXPECT_EQ(run.outcome, RunOutcome::Failed);
    EXPECT_NE(run.failureReason, "");
}

} // namespace
} // namespace orvanta
