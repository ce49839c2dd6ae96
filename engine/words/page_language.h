#pragma once

#include "engine/scanning/script_words.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace orvanta {

// The languages whose common words can be dropped besides the English ones, in code order.
enum class PageLanguage {
    None,
    Ar,
    Bg,
    Cs,
    Da,
    De,
    El,
    Es,
    Fa,
    Fi,
    Fr,
    He,
    Hi,
    Hu,
    Id,
    It,
    Ja,
    Ko,
    Nl,
    No,
    Pl,
    Pt,
    Ro,
    Ru,
    Sv,
    Th,
    Tr,
    Uk,
    Vi,
    Zh
};

inline constexpr std::size_t kPageLanguageCount = 29;

// The vote reads this many bytes at the start of the file, as if the file ended there.
inline constexpr std::size_t kLanguageSampleBytes = 65536;

// "de", "fr", ...; empty for None.
std::string_view LanguageCode(PageLanguage language);
// The language of a two-letter code ("de"); nullopt for any other text.
std::optional<PageLanguage> LanguageFromCode(std::string_view code);

// True when the word (as the scanner gives it: lower case, letters a-z or a word of another
// script) is in the language's common-word list; always false for None.
bool IsPageLanguageWord(PageLanguage language, std::string_view word);

// The counts a vote rests on: for each language (in code order) how many distinct words of the
// page are in its list, and how many are in the English detection list.
struct LanguageTally {
    std::array<int, kPageLanguageCount> perLanguage{};
    int english = 0;
};

// The page's language from its tally: the language with the most words (the lower code on a
// tie) when it has at least 10, at least one and a half times as many as the runner-up, and, if
// its list holds words of the letters a-z, more than the English list (commands and code words on
// a Japanese page must not outvote Japanese); otherwise None.
PageLanguage DecideLanguage(const LanguageTally& tally);

// Decides the language of a page from the start of its text. Feed it the page's prepared lines
// (lower case, markers in place, letters folded); markup is ignored: from a "<" that opens a tag
// (followed by a-z, "/", "!" or "?") to the next ">" or the line's end. What is left is cut into
// words as the scanner cuts it (runs of the letters a-z, and the words of runs of letters of
// other scripts), and every distinct word found in a list counts once for that list.
class PageLanguageVote {
public:
    void addPreparedLine(std::string_view utf8Line);

    const LanguageTally& tally() const { return tally_; }
    PageLanguage result() const { return DecideLanguage(tally_); }

private:
    void addWord(std::string_view word);

    LanguageTally tally_;
    std::unordered_set<std::string> counted_;
    ScriptWordCutter cutter_;
};

} // namespace orvanta
