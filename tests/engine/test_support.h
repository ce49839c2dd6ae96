#pragma once

#include "engine/analysis_run.h"
#include "engine/ignore_list.h"
#include "engine/run_host.h"
#include "engine/settings.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::testing {

// A host whose settings the test may change at any moment, recording what the run reports.
class RecordingHost : public RunHost {
public:
    AnalysisSettings options;
    IgnoreList ignore{","};
    std::vector<std::string> wordsAdded;
    // Called at every yield point; lets a test act "during" a run.
    std::function<void(RecordingHost&)> onYield;
    // Stop after this many stop-checks (one per non-empty line); -1 never.
    int stopAfterLines = -1;

    const AnalysisSettings& settings() const override { return options; }
    const IgnoreList& ignoreList() const override { return ignore; }
    void wordAdded(std::string_view word, std::int64_t) override { wordsAdded.emplace_back(word); }
    void yieldPoint() override {
        if (onYield) {
            onYield(*this);
        }
    }
    bool stopRequested() override { return stopAfterLines-- == 1; }
};

// Writes bytes to a fresh temporary file and returns its path; removed at process exit.
std::string WriteTempFile(const std::string& bytes);

// The text as UTF-16 in the given byte order, led by its byte-order mark.
std::string Utf16WithMark(std::u16string_view text, bool bigEndian);

// The table as "word:frequency:keyValue" items, ranking order; handy for comparisons.
std::vector<std::string> Summary(const std::vector<WordEntry>& words);

// The raw key sum of one word after reading the document (no filter, no scaling); -1 when the
// word was not counted.
float RawKeyValue(const std::string& html, const std::string& word, AnalysisSettings settings = {});

} // namespace orvanta::testing
