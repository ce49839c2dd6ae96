#pragma once

#include <string_view>

namespace orvanta {

class IgnoreList;
class MarkupScanner;
class RunHost;
class WordTable;
struct AnalysisSettings;

// The tests that decide whether a word is counted at all: the short-word option, the length
// limit, one repeated letter, the user's list, Roman-numeral letters only, no vowel, contraction
// stems, common words (when that option is on) and derived forms (-ly, -ed, -ing).
bool PassesWordTests(std::string_view word, const AnalysisSettings& settings,
                     const IgnoreList& ignore);

// Word acceptance for one run: the tests, then plural folding against the table, then counting.
class WordAcceptor {
public:
    WordAcceptor(RunHost& host, WordTable& table) : host_(host), table_(table) {}

    void acceptWord(std::string_view word, const MarkupScanner& scanner);

private:
    RunHost& host_;
    WordTable& table_;
};

} // namespace orvanta
