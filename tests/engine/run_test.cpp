#include "test_support.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
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

// The host is asked to yield within a line too, so a change made there, once a word is added,
// applies from the next word on. Text inside a table is scanned quickly while tables count; a
// table weight set to 0 during the table drops the rest of it.
TEST(AnalysisRun, SettingsChangedDuringARunApplyFromTheNextUse) {
    const struct {
        std::string page;
        std::function<void(RecordingHost&)> change;
        Strings words;
    } rows[] = {
        {"<b>alpha alpha</b> gamma",
         [](RecordingHost& h) {
             h.options.boldWeight = 9;
             h.ignore = IgnoreList("gamma,");
         },
         {"alpha:2:18"}}, // 6, then 3 + 9
        {"<table><td>alpha beta gamma</td></table> delta",
         [](RecordingHost& h) { h.options.tableWeight = 0; },
         {"alpha:1:4", "delta:1:3"}},
    };
    for (const auto& r : rows) {
        RecordingHost host;
        host.onYield = [&](RecordingHost& h) {
            if (!h.wordsAdded.empty()) {
                r.change(h);
            }
        };
        EXPECT_EQ(Summary(ReadAndCount(WriteTempFile(r.page), host).words), r.words) << r.page;
    }
}

TEST(AnalysisRun, EachRunStartsFromAClearState) {
    EXPECT_EQ(testing::RawKeyValue("<title><!-- <font size=7><b>alpha", "alpha"), -1.0f);
    EXPECT_EQ(testing::RawKeyValue("beta", "beta"), 3.0f);
}

TEST(AnalysisRun, CountsBeyondSixteenBitsOnOneLongLine) {
    RecordingHost host;
    EXPECT_EQ(Summary(ReadAndCount(WriteTempFile(testing::Repeat("alpha ", 40000)), host).words),
              Strings{"alpha:40000:120000"});
}

// A file changed under a run: deleted (still read to its end), truncated (the run ends early),
// grown (read no further than its size when opened).
TEST(AnalysisRun, AFileChangedWhileARunReadsIt) {
    const std::string body = testing::Repeat("lantern beacon harbour\n", 4000); // > one buffer
    const struct {
        std::function<void(const std::string&)> change;
        bool readToTheEnd;
    } rows[] = {
        {[](const std::string& path) { std::filesystem::remove(path); }, true},
        {[](const std::string& path) { std::filesystem::resize_file(path, 0); }, false},
        {[&body](const std::string& path) { testing::WriteFile(path, body + body); }, true},
    };
    for (const auto& r : rows) {
        const std::string page = WriteTempFile(body);
        RecordingHost host;
        host.onYield = [&, changed = false](RecordingHost&) mutable {
            if (!std::exchange(changed, true)) {
                r.change(page);
            }
        };
        const RunResult run = ReadAndCount(page, host);
        EXPECT_EQ(run.outcome, RunOutcome::Completed);
        ASSERT_FALSE(run.words.empty());
        EXPECT_EQ(run.words.front().frequency == 4000, r.readToTheEnd);
    }
}

// Why a file cannot be opened is OpenInputFile's to say; the run ends with that reason.
TEST(AnalysisRun, AFileThatCannotBeOpenedFailsWithTheReason) {
    RecordingHost host;
    const RunResult run = RunAnalysis("/nonexistent/orvanta/page.html", host);
    EXPECT_EQ(run.outcome, RunOutcome::Failed);
    EXPECT_EQ(run.failureReason, "No such file or directory");
}

// A German passage with more than ten distinct words of the German list and few English ones.
const std::string kGerman =
    "<p>Die Datei wird von dem Server gelesen, wenn er startet. Sie enth&auml;lt eine Anweisung "
    "pro Zeile; der Server kann auch mit einer anderen Datei arbeiten, aber nicht ohne diese "
    "Anweisung. Wir haben sie hier f&uuml;r euch.</p>\n";

// The page's language is voted from the file's first bytes unless the settings give one, and
// the run drops that language's common words.
TEST(AnalysisRun, PageLanguageVotedFromTheStartOrGiven) {
    using enum PageLanguage;
    const std::string filler(kLanguageSampleBytes, '\n'); // blank lines, read but not voted on
    const struct {
        std::string page;
        bool vote;
        PageLanguage given;
        PageLanguage language;
        const char* word;
        float keyValue; // -1: not counted
    } rows[] = {
        {kGerman, true, None, De, "wird", -1},
        {filler + kGerman, true, None, None, "wird", 3},
        {kGerman, false, None, None, "wird", 3},
        {kGerman, false, Nl, Nl, "wird", 3},
        {"<p>omdat museum</p>", false, Nl, Nl, "omdat", -1},
    };
    for (const auto& r : rows) {
        RecordingHost host;
        host.options.votePageLanguage = r.vote;
        host.options.pageLanguage = r.given;
        const RunResult run = ReadAndCount(WriteTempFile(r.page), host);
        EXPECT_EQ(run.pageLanguage, r.language) << r.page.substr(0, 60);
        const auto found = std::ranges::find(run.words, r.word, &WordEntry::text);
        EXPECT_EQ(found == run.words.end() ? -1.0f : found->keyValue, r.keyValue) << r.word;
    }
}

} // namespace
} // namespace orvanta
