#include "engine/word_acceptance.h"

#include "engine/ignore_list.h"
#include "engine/markup_scanner.h"
#include "engine/run_host.h"
#include "engine/settings.h"
#include "engine/word_lists.h"
#include "engine/word_table.h"

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

} // namespace

bool PassesWordTests(std::string_view word, const Settings& settings, const IgnoreList& ignore) {
    const auto length = static_cast<std::int64_t>(word.size());
    if (settings.ignoreShortWordsOn() && length <= settings.shortWordSizeValue()) {
        return false;
    }
    if (length > intMaxWordLength) {
        return false;
    }
    if (length >= 2 && word.find_first_not_of(word.front()) == std::string_view::npos) {
        return false;
    }
    if (ignore.contains(word)) {
        return false;
    }
    if (AllCharsIn(word, "ivxlcm")) {
        return false;
    }
    if (word.find_first_of("aeiou") == std::string_view::npos) {
        return false;
    }
    if (IsContractionStem(word)) {
        return false;
    }
    if (settings.ignoreCommonWordsOn() && IsCommonWord(word)) {
        return false;
    }
    return !IsDerivedForm(word);
}

void WordAcceptor::acceptWord(std::string_view word, const MarkupScanner& scanner) {
    if (!PassesWordTests(word, host_.settings(), host_.ignoreList())) {
        return;
    }
    const std::string_view counted = table_.foldPlural(word);
    if (table_.countWord(counted, scanner.occurrenceWeight())) {
        host_.wordAdded(counted, table_.wordCount());
    }
}

} // namespace orvanta
