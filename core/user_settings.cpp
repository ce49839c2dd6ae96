#include "core/user_settings.h"

#include "util/number_reading.h"

namespace orvanta::core {

void ApplyDefaults(UserSettings& settings, bool keepTexts) {
    UserSettings defaults;
    if (keepTexts) {
        defaults.inputFile = settings.inputFile;
        defaults.beginMetaTagWith = settings.beginMetaTagWith;
        defaults.wordsToIgnore = settings.wordsToIgnore;
    }
    defaults.largeWindow = settings.largeWindow;
    settings = defaults;
}

bool IsPageLanguageChoice(std::string_view text) {
    return text == kVotePageLanguage || text == kNoPageLanguage ||
           LanguageFromCode(text).has_value();
}

UserSettings KeepUnchangedTexts(const UserSettings& current, const UserSettings& shown,
                                const UserSettings& read) {
    UserSettings result = current;
    for (std::string UserSettings::*text :
         {&UserSettings::inputFile, &UserSettings::beginMetaTagWith, &UserSettings::wordsToIgnore,
          &UserSettings::maxKeywordsText, &UserSettings::maxBytesText}) {
        if (current.*text == shown.*text) {
            result.*text = read.*text;
        }
    }
    return result;
}

AnalysisSettings ToAnalysisSettings(const UserSettings& settings) {
    AnalysisSettings analysis;
    analysis.ignoreCommonWords = settings.ignoreCommonWords == kChecked;
    analysis.ignoreShortWords = settings.ignoreShortWords == kChecked;
    analysis.shortWordSize = settings.shortWordSizeIndex + kShortWordSizeFirst;
    analysis.minFrequency = settings.minFrequencyIndex + kMinFrequencyFirst;
    analysis.tableWeight = settings.tableWeightIndex + kTableWeightFirst;
    analysis.existingKeywordsWeight =
        settings.existingKeywordsWeightIndex + kExistingKeywordsWeightFirst;
    analysis.boldWeight = settings.boldWeightIndex + kBoldWeightFirst;
    analysis.beginMetaTagWith = settings.beginMetaTagWith;
    analysis.maxKeywords = text::RoundToInt32(text::ReadLeadingNumber(settings.maxKeywordsText));
    analysis.maxBytes = text::RoundToInt32(text::ReadLeadingNumber(settings.maxBytesText));
    analysis.votePageLanguage = settings.pageLanguage == kVotePageLanguage;
    analysis.pageLanguage = LanguageFromCode(settings.pageLanguage).value_or(PageLanguage::None);
    return analysis;
}

} // namespace orvanta::core
