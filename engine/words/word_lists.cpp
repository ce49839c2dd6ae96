#include "engine/words/word_lists.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_set>

namespace orvanta {
namespace {

// Each list is in ascending order by character code, which the lookups rely on.
constexpr std::array<std::string_view, 37> kConjunctionList = {
    "after",   "also",    "although",  "and",    "because", "before",  "behind",  "both",
    "but",     "either",  "else",      "for",    "hence",   "if",      "instead", "lest",
    "neither", "nor",     "not",       "only",   "or",      "perhaps", "since",   "so",
    "that",    "then",    "therefore", "though", "thus",    "unless",  "until",   "when",
    "whereas", "whether", "while",     "with",   "yet",
};

constexpr std::array<std::string_view, 208> kCommonWordList = {
    "a",         "address",   "again",      "ago",       "all",        "almost",  "already",
    "always",    "am",        "an",         "another",   "any",        "anyway",  "are",
    "bad",       "be",        "became",     "become",    "becomes",    "been",    "began",
    "begin",     "begun",     "being",      "better",    "call",       "called",  "came",
    "can",       "cannot",    "chapter",    "come",      "comes",      "could",   "dept",
    "did",       "different", "do",         "doc",       "does",       "done",    "each",
    "earlier",   "earliest",  "early",      "email",     "empty",      "entire",  "etc",
    "even",      "ever",      "every",      "everybody", "everywhere", "exe",     "few",
    "find",      "found",     "full",       "gave",      "get",        "give",    "given",
    "gives",     "go",        "goes",       "gone",      "good",       "got",     "had",
    "has",       "have",      "he",         "hear",      "her",        "here",    "hers",
    "him",       "his",       "hour",       "how",       "html",       "http",    "i",
    "is",        "it",        "its",        "late",      "later",      "latest",  "least",
    "led",       "less",      "let",        "links",     "little",     "long",    "longer",
    "look",      "made",      "make",       "makes",     "many",       "may",     "me",
    "mere",      "might",     "more",       "most",      "much",       "must",    "my",
    "necessary", "never",     "next",       "no",        "none",       "now",     "often",
    "other",     "others",    "our",        "ours",      "part",       "pdf",     "possible",
    "post",      "pre",       "previous",   "said",      "same",       "sang",    "saw",
    "say",       "says",      "section",    "see",       "seem",       "seems",   "seen",
    "sees",      "seldom",    "self",       "shall",     "she",        "short",   "shorter",
    "should",    "sing",      "small",      "smaller",   "some",       "somehow", "someone",
    "something", "sometime",  "soon",       "such",      "sung",       "sure",    "take",
    "taken",     "takes",     "tell",       "than",      "that",       "the",     "their",
    "theirs",    "them",      "themselves", "there",     "these",      "they",    "this",
    "those",     "today",     "told",       "tomorrow",  "too",        "took",    "txt",
    "us",        "use",       "used",       "very",      "want",       "was",     "we",
    "went",      "were",      "what",       "when",      "where",      "which",   "who",
    "whole",     "whom",      "whose",      "why",       "will",       "worse",   "would",
    "yes",       "yesterday", "you",        "your",      "yours",
};

constexpr std::array<std::string_view, 69> kPrepositionList = {
    "aboard",  "about",   "above",   "across",     "after",    "against", "along",   "amid",
    "amidst",  "among",   "amongst", "anti",       "around",   "as",      "aside",   "at",
    "away",    "back",    "before",  "behind",     "below",    "beneath", "beside",  "besides",
    "between", "beyond",  "but",     "by",         "close",    "despite", "down",    "except",
    "for",     "from",    "in",      "inside",     "into",     "like",    "minus",   "near",
    "of",      "off",     "on",      "onto",       "opposite", "out",     "outside", "over",
    "past",    "per",     "plus",    "save",       "since",    "than",    "through", "to",
    "toward",  "towards", "under",   "underneath", "unlike",   "until",   "up",      "upon",
    "versus",  "via",     "with",    "within",     "without",
};

constexpr std::array<std::string_view, 51> kNumberWordList = {
    "billion", "eight",    "eighteen", "eighth",   "eighty", "eleven",   "eleventh",  "every",
    "fifteen", "fifth",    "fifty",    "first",    "five",   "forty",    "four",      "fourteen",
    "fourth",  "half",     "hundred",  "million",  "nine",   "nineteen", "nineth",    "ninety",
    "none",    "once",     "one",      "quarter",  "second", "seven",    "seventeen", "seventh",
    "seventy", "six",      "sixteen",  "sixth",    "sixty",  "some",     "ten",       "tenth",
    "third",   "thirteen", "thirty",   "thousand", "three",  "thrice",   "twelfth",   "twelve",
    "twenty",  "twice",    "two",
};

constexpr std::array<std::string_view, 8> kContractionStemList = {
    "aren", "didn", "don", "hadn", "isn", "wasn", "weren", "won",
};
template <std::size_t N>
bool FindInList(std::string_view word, const std::array<std::string_view, N>& list) {
    return std::binary_search(list.begin(), list.end(), word);
}

} // namespace

bool IsCommonWord(std::string_view word) {
    // Asked for nearly every word of a page, so the four lists are merged into one hash set.
    static const std::unordered_set<std::string_view> merged = [] {
        std::unordered_set<std::string_view> set;
        set.insert(kConjunctionList.begin(), kConjunctionList.end());
        set.insert(kCommonWordList.begin(), kCommonWordList.end());
        set.insert(kPrepositionList.begin(), kPrepositionList.end());
        set.insert(kNumberWordList.begin(), kNumberWordList.end());
        return set;
    }();
    return merged.contains(word);
}

bool IsContractionStem(std::string_view word) {
    return FindInList(word, kContractionStemList);
}

} // namespace orvanta
