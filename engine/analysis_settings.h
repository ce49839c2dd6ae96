#pragma once

#include "engine/words/page_language.h"

#include <cstdint>
#include <string>

namespace orvanta {

// The options an analysis uses, as plain values. A run reads a field each time it needs it and
// never keeps a copy, so a host may change the record between two reads (during a run) and the
// change applies from the next read.
struct AnalysisSettings {
    bool ignoreCommonWords = true;
    bool ignoreShortWords = true;
    int shortWordSize = 3; // words of this many letters or fewer are short
    int minFrequency = 2;
    int tableWeight = 1; // 0 leaves tables out
    int existingKeywordsWeight = 1;
    int boldWeight = 3;
    // Whose common words "ignoreCommonWords" drops besides the English ones: with
    // votePageLanguage the run decides the page's language from its start (read once, when the
    // run begins); otherwise pageLanguage (None: the English lists only).
    bool votePageLanguage = true;
    PageLanguage pageLanguage = PageLanguage::None;
    // Composing the tag.
    std::string beginMetaTagWith;
    std::int64_t maxKeywords = 50; // 0 or less: no limit
    std::int64_t maxBytes = 500;   // 0 or less: no limit
};

} // namespace orvanta
