#pragma once

#include "engine/analysis_settings.h"

#include <string>
#include <string_view>

namespace orvanta::core {

inline constexpr const char* kVotePageLanguage = "auto";
inline constexpr const char* kNoPageLanguage = "none";

// The user's options as the window's controls hold them and the settings file stores them: list
// fields are selection indexes, check fields are 0/1 (2 = partly checked, which counts as off),
// the two limits are the texts of their boxes.
struct UserSettings {
    std::string inputFile;
    int ignoreCommonWords = 1;
    int ignoreShortWords = 1;
    int shortWordSizeIndex = 2;          // list "1".."9"
    int minFrequencyIndex = 1;           // list "1".."9"
    int tableWeightIndex = 1;            // list "0".."9"
    int existingKeywordsWeightIndex = 1; // list "0".."9"
    int boldWeightIndex = 2;             // list "1".."9"
    std::string wordsToIgnore;
    std::string beginMetaTagWith;
    std::string maxKeywordsText = "50";
    std::string maxBytesText = "500";
    int largeWindow = 0;
    // The page language whose common words are dropped too: kVotePageLanguage (decided from the
    // page), kNoPageLanguage, or a language code ("de"). The window has no control for it.
    std::string pageLanguage = kVotePageLanguage;
};

// The number each list's first entry shows, and its highest selection index.
inline constexpr int kShortWordSizeFirst = 1;
inline constexpr int kMinFrequencyFirst = 1;
inline constexpr int kTableWeightFirst = 0;
inline constexpr int kExistingKeywordsWeightFirst = 0;
inline constexpr int kBoldWeightFirst = 1;
inline constexpr int kLastShortWordSizeIndex = 8;
inline constexpr int kLastMinFrequencyIndex = 8;
inline constexpr int kLastTableWeightIndex = 9;
inline constexpr int kLastExistingKeywordsWeightIndex = 9;
inline constexpr int kLastBoldWeightIndex = 8;

// The check value that means "on"; 0 and 2 (partly checked) are off.
inline constexpr int kChecked = 1;

// Resets the options to their defaults: Reset keeps the three texts (keepTexts true), a first
// start clears them. largeWindow is never touched.
void ApplyDefaults(UserSettings& settings, bool keepTexts);

// True for the texts pageLanguage may hold.
bool IsPageLanguageChoice(std::string_view text);

// The settings to save from what the controls hold now (current): a text the user left as the
// controls showed it after loading (shown) is saved exactly as it was read from the file (read).
// A box may show a text shortened (a length limit) or with bytes that are not UTF-8 replaced;
// saving must not change the file where the user changed nothing.
UserSettings KeepUnchangedTexts(const UserSettings& current, const UserSettings& shown,
                                const UserSettings& read);

// The plain values an analysis reads, derived from what the controls hold.
AnalysisSettings ToAnalysisSettings(const UserSettings& settings);

} // namespace orvanta::core
