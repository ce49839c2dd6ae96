#pragma once

#include "engine/analysis_settings.h"
#include "engine/output/existing_keywords.h"
#include "engine/output/meta_tag_composer.h"
#include "engine/words/word_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvanta::core {

// The output box texts, UTF-8 with lines ended by CR LF, exactly as the box shows them.

// "No words with more than N letters occur at least ..." for the settings in force.
std::string NoWordsMessage(const AnalysisSettings& settings);

// The tag, a blank line and the two summary lines; the no-words message when there is no tag.
std::string TagBoxText(const ComposedTag& tag, const AnalysisSettings& settings);

// What "Copy to clipboard" takes from the output box: its text up to the first "Number of
// keywords in meta tag" (so a tag, however edited, without its summary lines), or all of it when
// that text is not there (a word list, or summary lines the user removed or reworded).
std::string ClipboardText(std::string_view boxText);

// The word list, or the no-words message for an empty table.
std::string WordListBoxText(const std::vector<WordEntry>& ranked, const AnalysisSettings& settings);

// The display of a keywords meta tag already in the document, or why there is none.
std::string ExistingKeywordsText(const ExistingKeywords& existing);

// The text with CR LF and lone CR line ends written as LF.
std::string WithLineFeeds(std::string_view text);

} // namespace orvanta::core
