#pragma once

#include "engine/word_table.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

class RunHost;

enum class RunOutcome {
    Completed, // whole document read; table filtered by minimum frequency and scaled
    Stopped,   // stop requested; table as it stood, neither filtered nor scaled
    Failed,    // the file could not be opened or read; see failureReason
};

struct RunResult {
    RunOutcome outcome = RunOutcome::Failed;
    std::string failureReason;
    std::vector<WordEntry> words; // ranking order
    // Distinct words when the reading ended (before the minimum-frequency filter).
    std::int64_t wordsIdentified = 0;
};

enum class InputFileCheck { Ok, NotSpecified, NotFound };

// True when path names an existing file (a folder does not count).
bool FileExists(const std::string& path);

// Whether a run may start on this (already trimmed) input file name.
InputFileCheck CheckInputFile(std::string_view path);
// The message box text and title for a failed check.
std::string InputFileCheckMessage(InputFileCheck check);
std::string InputFileCheckTitle(InputFileCheck check);

// Reads, scans and counts the whole document; the table is left unfiltered and unscaled, with
// the raw key sums (Completed here means only that the whole document was read).
RunResult ReadAndCount(const std::string& path, RunHost& host);

// Reads, scans and counts the whole document, then finishes the table. The caller has checked
// the input file; a file that vanished since is reported as Failed.
RunResult RunAnalysis(const std::string& path, RunHost& host);

// "Number of words found: N"
std::string WordsFoundCaption(std::int64_t wordCount);
// The line appended to the progress display when a run is stopped, with its leading CR LF.
std::string StoppedLine(std::int64_t wordsIdentified);

} // namespace orvanta
