#pragma once

#include "engine/word_table.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

struct Settings;

// All output texts are UTF-8 with lines ended by CR LF, exactly as the output box shows them.

struct ComposedTag {
    std::string text;           // the whole output box text (tag, blank line, two summary lines)
    std::string beginTextShown; // the begin box's text afterwards (trimmed)
    std::int64_t keywordCount = 0;
    std::int64_t byteCount = 0;
    std::vector<std::string> keywords; // phrases then words, as placed
    bool noWords = false;              // text is the no-words message
};

ComposedTag ComposeMetaTag(const std::vector<WordEntry>& ranked, const Settings& settings);

std::string WriteWordList(const std::vector<WordEntry>& ranked, const Settings& settings);

std::string NoWordsMessage(const Settings& settings);

// The word list's value column: key value rounded half to even.
std::int64_t DisplayValue(float keyValue);

// What leaving one of the two limit boxes does.
struct LimitBoxCheck {
    std::string filtered;  // the box text after filtering
    std::string message;   // message box text, empty when none
    std::string finalText; // the box text afterwards (the default after a rejection)
};
LimitBoxCheck CheckMaxKeywordsBox(std::string_view text);
LimitBoxCheck CheckMaxBytesBox(std::string_view text);

// The line search for a keywords meta tag already in the document; returns the display text.
std::string ShowExistingKeywords(const std::string& path);

} // namespace orvanta
