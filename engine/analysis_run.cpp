#include "engine/analysis_run.h"

#include "engine/analysis_settings.h"
#include "engine/preparing/line_preparation.h"
#include "engine/reading/document_reader.h"
#include "engine/reading/page_lines.h"
#include "engine/run_host.h"
#include "engine/scanning/markup_scanner.h"
#include "engine/words/word_acceptance.h"

#include <functional>

namespace orvanta {
namespace {

PageLanguage LanguageForRun(const std::string& path, const AnalysisSettings& settings) {
    return settings.votePageLanguage ? VotePageLanguage(path) : settings.pageLanguage;
}

} // namespace

PageLanguage VotePageLanguage(const std::string& path) {
    DocumentReader reader;
    // A file that cannot be read has no language; the run that follows reports why.
    if (!reader.open(path, kLanguageSampleBytes)) {
        return PageLanguage::None;
    }
    PageLanguageVote vote;
    std::string_view raw;
    std::string rawStorage;
    std::string line;
    while (reader.nextUndecoded(raw, rawStorage)) {
        if (PrepareLine(raw, line, reader.lineDecoder())) {
            vote.addPreparedLine(line);
        }
    }
    return vote.result();
}

RunResult ReadAndCount(const std::string& path, RunHost& host) {
    RunResult result;
    result.pageLanguage = LanguageForRun(path, host.settings());
    WordTable table;
    WordAcceptor acceptor(host, table, result.pageLanguage);
    MarkupScanner scanner(host, acceptor);

    PageLines lines;
    if (!lines.open(path, host.mayReadAhead() ? PageLines::kReadAheadFromBytes
                                              : PageLines::kNeverReadAhead)) {
        result.outcome = RunOutcome::Failed;
        result.failureReason = lines.error();
        return result;
    }
    // The host is served while a line is still being read and while the table is ranked, as it
    // is while a line is scanned.
    const std::function<void()> serveHost = [&host] { host.longStepPoint(); };
    std::string_view line;
    bool stopped = false;
    while (lines.next(line, serveHost)) {
        scanner.scanLine(line);
        host.yieldPoint();
        if (host.stopRequested()) {
            stopped = true;
            break;
        }
    }
    if (!stopped && !lines.error().empty()) {
        result.outcome = RunOutcome::Failed;
        result.failureReason = lines.error();
        return result;
    }

    result.wordsIdentified = table.wordCount();
    result.words = table.ranked(serveHost);
    result.outcome = stopped ? RunOutcome::Stopped : RunOutcome::Completed;
    return result;
}

RunResult RunAnalysis(const std::string& path, RunHost& host) {
    RunResult result = ReadAndCount(path, host);
    if (result.outcome == RunOutcome::Completed) {
        ApplyMinFrequency(result.words, host.settings().minFrequency);
        NormaliseKeyValues(result.words);
    }
    return result;
}

} // namespace orvanta
