#pragma once

#include "engine/analysis_run.h"
#include "engine/analysis_settings.h"
#include "engine/run_host.h"
#include "engine/words/ignore_list.h"

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

// The whole file, byte for byte; empty when it cannot be read.
std::string ReadFile(const std::string& path);
// Replaces the file's content with bytes.
void WriteFile(const std::string& path, const std::string& bytes);

// The text as UTF-16 bytes in the byte order asked for, after a byte-order mark when withBom.
// Lone surrogates are written as they are, for tests of broken input.
std::string Utf16(std::u16string_view text, bool bigEndian, bool withBom = true);

// The text n times over.
std::string Repeat(std::string_view text, std::size_t n);

// The table as "word:frequency:keyValue" items, ranking order; handy for comparisons.
std::vector<std::string> Summary(const std::vector<WordEntry>& words);

// The raw key sum of one word after reading the document (no filter, no scaling); -1 when the
// word was not counted.
float RawKeyValue(const std::string& html, const std::string& word, AnalysisSettings settings = {});

} // namespace orvanta::testing
