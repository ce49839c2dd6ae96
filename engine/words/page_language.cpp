#include "engine/words/page_language.h"

#include "engine/words/embedded_data.h"
#include "util/letter_classes.h"
#include "util/string_hash.h"
#include "util/text_codec.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <unordered_map>

namespace orvanta {
namespace {

constexpr std::array<std::string_view, kPageLanguageCount> kCodes = {
    "ar", "bg", "cs", "da", "de", "el", "es", "fa", "fi", "fr", "he", "hi", "hu", "id", "it",
    "ja", "ko", "nl", "no", "pl", "pt", "ro", "ru", "sv", "th", "tr", "uk", "vi", "zh"};

using ListBits = std::uint32_t;
static_assert(kPageLanguageCount < 32);
constexpr ListBits kEnglishBit = ListBits{1} << kPageLanguageCount;

// Every word of any list, with one bit per list it is in (bit i: language i in code order).
using WordLists =
    std::unordered_map<std::string, ListBits, text::TransparentStringHash, std::equal_to<>>;

struct CommonWordLists {
    WordLists words;
    ListBits withAsciiWords = 0; // the lists that hold a word of the letters a-z
};

bool IsAsciiWord(std::string_view word) {
    return static_cast<unsigned char>(word.front()) < 0x80;
}

void AddList(CommonWordLists& lists, std::string_view bytes, ListBits bit) {
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view word = bytes.substr(0, end);
        if (word.ends_with('\r')) {
            word.remove_suffix(1);
        }
        if (!word.empty()) {
            lists.words[std::string(word)] |= bit;
            lists.withAsciiWords |= IsAsciiWord(word) ? bit : 0;
        }
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
    }
}

ListBits ListBit(std::string_view fileName) {
    if (fileName == "english-detection.txt") {
        return kEnglishBit;
    }
    for (std::size_t i = 0; i < kCodes.size(); ++i) {
        if (fileName == std::string(kCodes[i]) + ".txt") {
            return ListBits{1} << i;
        }
    }
    return 0;
}

// Built once and kept for the life of the program: freeing thousands of entries at exit would
// cost a short command as much as building them.
const CommonWordLists& Lists() {
    static const CommonWordLists* lists = [] {
        auto* built = new CommonWordLists;
        for (const EmbeddedFile& file : CommonWordFiles()) {
            AddList(*built, file.bytes, ListBit(file.name));
        }
        return built;
    }();
    return *lists;
}

ListBits ListsHolding(std::string_view word) {
    const WordLists& words = Lists().words;
    const auto it = words.find(word);
    return it == words.end() ? 0 : it->second;
}

bool OpensTag(char next) {
    return (next >= 'a' && next <= 'z') || next == '/' || next == '!' || next == '?';
}

// The end of the tag that opens at text[i] (its ">", or the end of the text).
std::size_t TagEnd(std::string_view text, std::size_t i) {
    const std::size_t gt = text.find('>', i + 1);
    return gt == std::string_view::npos ? text.size() : gt;
}

constexpr std::string_view kAsciiLetters = "abcdefghijklmnopqrstuvwxyz";

} // namespace

std::string_view LanguageCode(PageLanguage language) {
    if (language == PageLanguage::None) {
        return {};
    }
    return kCodes[static_cast<std::size_t>(language) - 1];
}

std::optional<PageLanguage> LanguageFromCode(std::string_view code) {
    const auto it = std::find(kCodes.begin(), kCodes.end(), code);
    if (it == kCodes.end()) {
        return std::nullopt;
    }
    return static_cast<PageLanguage>(it - kCodes.begin() + 1);
}

bool IsPageLanguageWord(PageLanguage language, std::string_view word) {
    if (language == PageLanguage::None) {
        return false;
    }
    return (ListsHolding(word) & (ListBits{1} << (static_cast<unsigned>(language) - 1))) != 0;
}

PageLanguage DecideLanguage(const LanguageTally& tally) {
    // Ranking by count, the lower code first on a tie: the first maximum is the winner.
    const auto& counts = tally.perLanguage;
    const auto best = std::max_element(counts.begin(), counts.end());
    int runnerUp = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        if (it != best) {
            runnerUp = std::max(runnerUp, *it);
        }
    }
    const int top = *best;
    const ListBits bestBit = ListBits{1} << (best - counts.begin());
    const bool englishMayOutvote = (Lists().withAsciiWords & bestBit) != 0;
    if (top >= 10 && 2 * top >= 3 * runnerUp && (!englishMayOutvote || top > tally.english)) {
        return static_cast<PageLanguage>(best - counts.begin() + 1);
    }
    return PageLanguage::None;
}

void PageLanguageVote::addWord(std::string_view word) {
    const ListBits bits = ListsHolding(word);
    if (bits == 0 || !counted_.emplace(word).second) {
        return;
    }
    for (std::size_t i = 0; i < kPageLanguageCount; ++i) {
        if ((bits & (ListBits{1} << i)) != 0) {
            ++tally_.perLanguage[i];
        }
    }
    if ((bits & kEnglishBit) != 0) {
        ++tally_.english;
    }
}

void PageLanguageVote::addPreparedLine(std::string_view utf8Line) {
    const std::size_t size = utf8Line.size();
    for (std::size_t i = 0; i < size;) {
        const char c = utf8Line[i];
        if (c >= 'a' && c <= 'z') {
            const std::size_t end = std::min(utf8Line.find_first_not_of(kAsciiLetters, i), size);
            addWord(utf8Line.substr(i, end - i));
            i = end;
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            const std::size_t end = WordCharacterRunEnd(utf8Line, i);
            if (end == i) {
                std::size_t length = 0;
                text::CodePointAt(utf8Line, i, length);
                i += length;
                continue;
            }
            cutter_.cut(utf8Line.substr(i, end - i),
                        [this](std::string_view word, std::size_t) { addWord(word); });
            i = end;
        } else if (c == '<' && i + 1 < size && OpensTag(utf8Line[i + 1])) {
            i = TagEnd(utf8Line, i) + 1;
        } else {
            ++i;
        }
    }
}

} // namespace orvanta
