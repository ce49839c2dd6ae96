#pragma once

#include "engine/page_language.h"
#include "engine/word_table.h"

#include <boost/unordered/unordered_flat_map.hpp>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta {

class IgnoreList;
class MarkupScanner;
class RunHost;
class WordTable;
struct AnalysisSettings;

// The tests that decide whether a word is counted at all: the short-word option, the length
// limit, one repeated letter, the user's list, Roman-numeral letters only, no vowel, contraction
// stems, common words (when that option is on: the English lists and those of the page's
// language) and derived forms (-ly, -ed, -ing).
bool PassesWordTests(std::string_view word, const AnalysisSettings& settings,
                     const IgnoreList& ignore, PageLanguage language = PageLanguage::None);

// Word acceptance for one run: the tests, then plural folding against the table, then counting.
// The page's language is fixed for the run.
class WordAcceptor {
public:
    WordAcceptor(RunHost& host, WordTable& table, PageLanguage language = PageLanguage::None)
        : host_(host), table_(table), language_(language) {}

    void acceptWord(std::string_view word, const MarkupScanner& scanner);

private:
    bool passes(std::string_view word);

    RunHost& host_;
    WordTable& table_;
    PageLanguage language_;
    // What the tests that depend on the word alone said about each word seen so far, so that a
    // repeated word skips the list searches. Settings and the ignore list are read every time.
    boost::unordered_flat_map<std::string, std::uint8_t, WordHash, std::equal_to<>> verdicts_;
};

} // namespace orvanta
