#pragma once

#include "engine/words/page_language.h"
#include "engine/words/word_table.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta {

class IgnoreList;
class MarkupScanner;
class RunHost;
class WordTable;
struct AnalysisSettings;

// Words longer than this are never counted.
inline constexpr int kMaxWordLength = 60;

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
    WordAcceptor(RunHost& host, WordTable& table, PageLanguage language = PageLanguage::None);

    void acceptWord(std::string_view word, const MarkupScanner& scanner);

private:
    // The tests; id is set to the word's text id once the length tests pass. What the tests
    // that depend on the word alone said is kept in the table's marks of the text, so a repeated
    // word skips the list searches; the settings and the ignore list are read every time.
    bool passes(std::string_view word, WordTable::TextId& id);

    RunHost& host_;
    const AnalysisSettings& settings_; // the host's, read at every use
    const IgnoreList& ignore_;
    WordTable& table_;
    PageLanguage language_;
};

} // namespace orvanta
