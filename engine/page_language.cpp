#include "engine/page_language.h"

#include "engine/embedded_data.h"
#include "util/string_hash.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <unordered_map>

namespace orvanta {
namespace {

constexpr std::array<std::string_view, kPageLanguageCount> kCodes = {
    "da", "de", "es", "fi", "fr", "hu", "id", "it", "nl", "no", "pt", "sv"};

constexpr std::uint16_t kEnglishBit = 1u << kPageLanguageCount;

// Every word of any list, with one bit per list it is in (bit i: language i in code order).
using WordLists =
    std::unordered_map<std::string, std::uint16_t, text::TransparentStringHash, std::equal_to<>>;

void AddList(WordLists& lists, std::string_view bytes, std::uint16_t bit) {
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view word = bytes.substr(0, end);
        if (word.ends_with('\r')) {
            word.remove_suffix(1);
        }
        if (!word.empty()) {
            lists[std::string(word)] |= bit;
        }
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
    }
}

std::uint16_t ListBit(std::string_view fileName) {
    if (fileName == "english-detection.txt") {
        return kEnglishBit;
    }
    for (std::size_t i = 0; i < kCodes.size(); ++i) {
        if (fileName == std::string(kCodes[i]) + ".txt") {
            return static_cast<std::uint16_t>(1u << i);
        }
    }
    return 0;
}

const WordLists& Lists() {
    static const WordLists lists = [] {
        WordLists built;
        for (const EmbeddedFile& file : CommonWordFiles()) {
            AddList(built, file.bytes, ListBit(file.name));
        }
        return built;
    }();
    return lists;
}

std::uint16_t ListsHolding(std::string_view word) {
    const WordLists& lists = Lists();
    const auto it = lists.find(word);
    return it == lists.end() ? 0 : it->second;
}

template <typename Char> bool OpensTag(Char next) {
    return (next >= 'a' && next <= 'z') || next == '/' || next == '!' || next == '?';
}

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
    return (ListsHolding(word) & (1u << (static_cast<unsigned>(language) - 1))) != 0;
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
    if (top >= 10 && top > tally.english && 2 * top >= 3 * runnerUp) {
        return static_cast<PageLanguage>(best - counts.begin() + 1);
    }
    return PageLanguage::None;
}

void PageLanguageVote::addWord(std::string_view word) {
    const std::uint16_t bits = ListsHolding(word);
    if (bits == 0 || !counted_.emplace(word).second) {
        return;
    }
    for (std::size_t i = 0; i < kPageLanguageCount; ++i) {
        if ((bits & (1u << i)) != 0) {
            ++tally_.perLanguage[i];
        }
    }
    if ((bits & kEnglishBit) != 0) {
        ++tally_.english;
    }
}

template <typename Char> void PageLanguageVote::addLine(const Char* text, std::size_t size) {
    word_.clear();
    for (std::size_t i = 0; i <= size; ++i) {
        const Char c = i < size ? text[i] : Char(' ');
        if (c >= 'a' && c <= 'z') {
            word_.push_back(static_cast<char>(c));
            continue;
        }
        if (!word_.empty()) {
            addWord(word_);
            word_.clear();
        }
        if (c == '<' && i + 1 < size && OpensTag(text[i + 1])) {
            while (i + 1 < size && text[i + 1] != '>') {
                ++i;
            }
            ++i; // onto the ">" (or past the end)
        }
    }
}

void PageLanguageVote::addPreparedLine(std::string_view utf8Line) {
    addLine(utf8Line.data(), utf8Line.size());
}

void PageLanguageVote::addPreparedLine(std::u32string_view line) {
    addLine(line.data(), line.size());
}

} // namespace orvanta
