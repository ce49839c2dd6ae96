#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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
    // Composing the tag.
    std::string beginMetaTagWith;
    std::int64_t maxKeywords = 50; // 0 or less: no limit
    std::int64_t maxBytes = 500;   // 0 or less: no limit
};

// Words longer than this are never counted.
inline constexpr int kMaxWordLength = 60;

// Region delimiters.
inline constexpr std::u32string_view kScriptStart = U"<script";
inline constexpr std::u32string_view kScriptEnd = U"</script>";
inline constexpr std::u32string_view kStyleStart = U"<style";
inline constexpr std::u32string_view kStyleEnd = U"</style>";
inline constexpr std::u32string_view kCommentStart = U"<!--";
inline constexpr std::u32string_view kCommentEnd = U"-->";
inline constexpr std::u32string_view kTableStart = U"<table";
inline constexpr std::u32string_view kTableEnd = U"</table>";

} // namespace orvanta
