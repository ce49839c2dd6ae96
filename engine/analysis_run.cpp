#include "engine/analysis_run.h"

#include "engine/line_preparation.h"
#include "engine/line_reader.h"
#include "engine/markup_scanner.h"
#include "engine/run_host.h"
#include "engine/settings.h"
#include "engine/word_acceptance.h"

namespace orvanta {

RunResult ReadAndCount(const std::string& path, RunHost& host) {
    RunResult result;
    WordTable table;
    WordAcceptor acceptor(host, table);
    MarkupScanner scanner(host, acceptor);

    LineReader reader;
    if (!reader.open(path)) {
        result.outcome = RunOutcome::Failed;
        result.failureReason = reader.error();
        return result;
    }
    std::string raw;
    std::string line;
    bool stopped = false;
    while (reader.next(raw)) {
        if (!PrepareLine(raw, line)) {
            continue;
        }
        scanner.scanLine(line);
        host.yieldPoint();
        if (host.stopRequested()) {
            stopped = true;
            break;
        }
    }
    reader.close();
    if (!stopped && !reader.error().empty()) {
        result.outcome = RunOutcome::Failed;
        result.failureReason = reader.error();
        return result;
    }

    result.wordsIdentified = table.wordCount();
    result.words = table.ranked();
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
