#pragma once

#include "engine/words/word_table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvanta {

struct AnalysisSettings;

// A composed keywords meta tag, as figures and parts; the front ends lay out the text around it.
struct ComposedTag {
    bool noWords = false;       // the table was empty: there is no tag
    std::string tagLine;        // <META NAME="keywords" CONTENT="...">, UTF-8
    std::string beginTextShown; // the begin box's text afterwards (trimmed when a tag was made)
    std::int64_t keywordCount = 0;
    std::int64_t byteCount = 0;        // length of the tag in characters
    std::vector<std::string> keywords; // phrases then words, as placed
};

ComposedTag ComposeMetaTag(const std::vector<WordEntry>& ranked, const AnalysisSettings& settings);

} // namespace orvanta
