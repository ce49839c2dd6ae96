#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// The user's options exactly as the window's controls hold them: list fields are selection
// indexes, check fields are 0/1 (2 = partly checked, which counts as off), the two limits are
// the texts of their boxes. The engine reads a field each time it needs it and never keeps a copy,
// so a host may change the record between two reads (during a run) and the change applies.
struct Settings {
    std::string InputFile;
    int IgnoreCommonWords = 1;
    int IgnoreShortWords = 1;
    int ShortWordSize = 2;          // index into "1".."9"
    int ThresholdFrequency = 1;     // index into "1".."9"
    int TableWeight = 1;            // index into "0".."9"
    int ExistingKeywordsWeight = 1; // index into "0".."9"
    int BoldWeight = 2;             // index into "1".."9"
    std::string WordsToIgnore;
    std::string BeginMetaTagWith;
    std::string MaxNumKeywordsInMetaTag = "50";
    std::string MaxNumBytesInMetaTag = "500";
    int LargeWindow = 0;

    // The numbers the lists show, derived from the selection indexes.
    int shortWordSizeValue() const { return ShortWordSize + 1; }
    int thresholdFrequencyValue() const { return ThresholdFrequency + 1; }
    int tableWeightValue() const { return TableWeight; }
    int existingKeywordsWeightValue() const { return ExistingKeywordsWeight; }
    int boldWeightValue() const { return BoldWeight + 1; }
    bool ignoreCommonWordsOn() const { return IgnoreCommonWords == 1; }
    bool ignoreShortWordsOn() const { return IgnoreShortWords == 1; }
};

// Highest selection index of each list field.
inline constexpr int kLastShortWordSizeIndex = 8;
inline constexpr int kLastThresholdFrequencyIndex = 8;
inline constexpr int kLastTableWeightIndex = 9;
inline constexpr int kLastExistingKeywordsWeightIndex = 9;
inline constexpr int kLastBoldWeightIndex = 8;

// Fixed limits.
inline constexpr int intMinNumKeywords = 5;
inline constexpr int intDefaultNumKeywords = 50;
inline constexpr int intMaxNumKeywords = 100;
inline constexpr int intDefaultNumBytes = 500;
inline constexpr int intMaxNumBytes = 1000;
inline constexpr int intMaxWordLength = 60;

// Region delimiters.
inline constexpr std::u32string_view strScriptStart = U"<script";
inline constexpr std::u32string_view strScriptEnd = U"</script>";
inline constexpr std::u32string_view strStyleStart = U"<style";
inline constexpr std::u32string_view strStyleEnd = U"</style>";
inline constexpr std::u32string_view strCommentStart = U"<!--";
inline constexpr std::u32string_view strCommentEnd = U"-->";
inline constexpr std::u32string_view strTableStart = U"<table";
inline constexpr std::u32string_view strTableEnd = U"</table>";

// The defaults applied by Reset (keepTexts true) and at a first start (keepTexts false).
// LargeWindow is never touched.
void ApplyDefaults(Settings& settings, bool keepTexts);

} // namespace orvanta
