#include "engine/settings.h"

#include <string>

namespace orvanta {

void ApplyDefaults(Settings& settings, bool keepTexts) {
    if (!keepTexts) {
        settings.InputFile.clear();
        settings.BeginMetaTagWith.clear();
        settings.WordsToIgnore.clear();
    }
    settings.IgnoreShortWords = 1;
    settings.IgnoreCommonWords = 1;
    settings.ShortWordSize = 2;
    settings.ThresholdFrequency = 1;
    settings.TableWeight = 1;
    settings.ExistingKeywordsWeight = 1;
    settings.BoldWeight = 2;
    settings.MaxNumKeywordsInMetaTag = std::to_string(intDefaultNumKeywords);
    settings.MaxNumBytesInMetaTag = std::to_string(intDefaultNumBytes);
}

} // namespace orvanta
