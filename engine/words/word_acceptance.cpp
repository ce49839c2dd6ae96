#include "engine/words/word_acceptance.h"

#include "engine/analysis_settings.h"
#include "engine/run_host.h"
#include "engine/scanning/markup_scanner.h"
#include "engine/words/ignore_list.h"
#include "engine/words/word_lists.h"
#include "engine/words/word_table.h"
#include "util/letter_classes.h"
#include "util/text_codec.h"

#include <cstdint>

namespace orvanta {
namespace {

bool AllCharsIn(std::string_view word, std::string_view set) {
    return word.find_first_not_of(set) == std::string_view::npos;
}

bool IsDerivedForm(std::string_view word) {
    return word.size() >= 5 &&
           (word.ends_with("ly") || word.ends_with("ed") || word.ends_with("ing")) &&
           word != "training";
}

// A word of another script: its letters are beyond ASCII, and it has no letter a-z.
bool IsScriptWord(std::string_view word) {
    return static_cast<unsigned char>(word.front()) >= 0x80;
}

// True when the word is one character written twice or more.
bool IsOneRepeatedCharacter(std::string_view word) {
    std::size_t length = 0;
    text::CodePointAt(word, 0, length);
    if (word.size() <= length) {
        return false;
    }
    for (std::size_t i = length; i < word.size(); i += length) {
        if (word.compare(i, length, word, 0, length) != 0) {
            return false;
        }
    }
    return true;
}

// The tests that depend on the word alone: one repeated letter, Roman-numeral letters only, no
// vowel, contraction stems and derived forms; for a word of another script, one repeated
// character and hiragana alone.
bool FailsWordOnlyTests(std::string_view word) {
    if (IsScriptWord(word)) {
        // Hiragana alone: particles, endings and auxiliaries of Japanese.
        return IsOneRepeatedCharacter(word) ||
               text::AllCharactersHave(word, text::kHiraganaWordPart);
    }
    if (word.size() >= 2 && word.find_first_not_of(word.front()) == std::string_view::npos) {
        return true;
    }
    return AllCharsIn(word, "ivxlcm") || word.find_first_of("aeiou") == std::string_view::npos ||
           IsContractionStem(word) || IsDerivedForm(word);
}

// The lengths of a word of another script: in characters, and as the short-word option counts
// it, where a wide character (an ideograph, a kana, a Hangul syllable) counts two.
struct ScriptWordLength {
    std::size_t characters = 0;
    std::size_t columns = 0;
};

ScriptWordLength MeasureScriptWord(std::string_view word) {
    ScriptWordLength measured;
    for (std::size_t i = 0, length = 0; i < word.size(); i += length) {
        const bool wide =
            (text::LetterClass(text::CodePointAt(word, i, length)) & text::kWide) != 0;
        ++measured.characters;
        measured.columns += wide ? 2 : 1;
    }
    return measured;
}

constexpr std::uint8_t kFails = 1;
constexpr std::uint8_t kCommon = 2;

// What the tests that depend on the word and the run's language alone say about the word.
std::uint8_t WordVerdict(std::string_view word, PageLanguage language) {
    const bool common = IsCommonWord(word) || IsPageLanguageWord(language, word);
    return (FailsWordOnlyTests(word) ? kFails : 0) | (common ? kCommon : 0);
}

// The short-word option and the length limit.
bool PassesLengthTests(std::string_view word, const AnalysisSettings& settings) {
    std::size_t length = word.size();
    std::size_t shortWordLength = word.size();
    if (IsScriptWord(word)) {
        const ScriptWordLength measured = MeasureScriptWord(word);
        length = measured.characters;
        shortWordLength = measured.columns;
    }
    if (length > static_cast<std::size_t>(kMaxWordLength)) {
        return false;
    }
    return !settings.ignoreShortWords ||
           static_cast<std::int64_t>(shortWordLength) > settings.shortWordSize;
}

// The tests that read the options and the ignore list, given the word's verdict.
bool PassesOptionTests(std::string_view word, std::uint8_t verdict,
                       const AnalysisSettings& settings, const IgnoreList& ignore) {
    if ((verdict & kFails) != 0 || ignore.contains(word)) {
        return false;
    }
    return !(settings.ignoreCommonWords && (verdict & kCommon) != 0);
}

} // namespace

bool PassesWordTests(std::string_view word, const AnalysisSettings& settings,
                     const IgnoreList& ignore, PageLanguage language) {
    return PassesLengthTests(word, settings) &&
           PassesOptionTests(word, WordVerdict(word, language), settings, ignore);
}

WordAcceptor::WordAcceptor(RunHost& host, WordTable& table, PageLanguage language)
    : host_(host), settings_(host.settings()), ignore_(host.ignoreList()), table_(table),
      language_(language) {}

bool WordAcceptor::passes(std::string_view word, WordTable::TextId& id) {
    if (!PassesLengthTests(word, settings_)) {
        return false;
    }
    bool isNew = false;
    id = table_.textId(word, isNew);
    std::uint8_t& verdict = table_.marks(id);
    if (isNew) {
        verdict = WordVerdict(word, language_);
    }
    return PassesOptionTests(word, verdict, settings_, ignore_);
}

void WordAcceptor::acceptWord(std::string_view word, const MarkupScanner& scanner) {
    WordTable::TextId id = 0;
    if (!passes(word, id)) {
        return;
    }
    const WordTable::TextId counted = table_.foldPlural(id);
    const std::string_view countedText = counted == id ? word : word.substr(0, word.size() - 1);
    if (table_.countWord(counted, scanner.occurrenceWeight())) {
        host_.wordAdded(countedText, table_.wordCount());
    }
}

} // namespace orvanta
