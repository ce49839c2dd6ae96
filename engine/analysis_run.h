#pragma once

#include "engine/words/page_language.h"
#include "engine/words/word_table.h"

#include <cstdint>
#include <string>
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
    // The language whose common words were dropped besides the English ones (voted or given).
    PageLanguage pageLanguage = PageLanguage::None;
};

// The language of the page at path, voted on from the start of the file: its lines, read and
// prepared as for a run, with the markup left out. None when no language stands out or the file
// cannot be read.
PageLanguage VotePageLanguage(const std::string& path);

// Reads, scans and counts the whole document; the table is left unfiltered and unscaled, with
// the raw key sums (Completed here means only that the whole document was read).
RunResult ReadAndCount(const std::string& path, RunHost& host);

// Reads, scans and counts the whole document, then finishes the table. A file that cannot be
// opened or read is reported as Failed.
RunResult RunAnalysis(const std::string& path, RunHost& host);

} // namespace orvanta
