#include "engine/analysis_run.h"

#include "engine/line_preparation.h"
#include "engine/line_reader.h"
#include "engine/markup_scanner.h"
#include "engine/run_host.h"
#include "engine/settings.h"
#include "engine/word_acceptance.h"

#include <filesystem>
#include <system_error>

namespace orvanta {

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}

InputFileCheck CheckInputFile(std::string_view path) {
    if (path.empty()) {
        return InputFileCheck::NotSpecified;
    }
    return FileExists(std::string(path)) ? InputFileCheck::Ok : InputFileCheck::NotFound;
}

std::string InputFileCheckMessage(InputFileCheck check) {
    switch (check) {
    case InputFileCheck::NotSpecified:
        return "Input file not specified.";
    case InputFileCheck::NotFound:
        return "Input file not found.";
    case InputFileCheck::Ok:
        break;
    }
    return {};
}

std::string InputFileCheckTitle(InputFileCheck check) {
    switch (check) {
    case InputFileCheck::NotSpecified:
        return "Error";
    case InputFileCheck::NotFound:
        return "File not found";
    case InputFileCheck::Ok:
        break;
    }
    return {};
}

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
        ApplyMinFrequency(result.words, host.settings().thresholdFrequencyValue());
        NormaliseKeyValues(result.words);
    }
    return result;
}

std::string WordsFoundCaption(std::int64_t wordCount) {
    return "Number of words found: " + std::to_string(wordCount);
}

std::string StoppedLine(std::int64_t wordsIdentified) {
    return "\r\nStopped with " + std::to_string(wordsIdentified) + " words identified.";
}

} // namespace orvanta
