#pragma once

#include <boost/unordered/unordered_flat_map.hpp>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// Hash for maps keyed by words (short ASCII texts), searchable with a std::string_view.
struct WordHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view word) const noexcept;
};

struct WordEntry {
    std::string text;
    std::int64_t frequency = 0;
    float keyValue = 0.0f;
};

// The table of distinct words of one run, in ranking order: non-increasing key value, and among
// equal key values the entry that reached its value first stands first. Instead of shifting
// entries after every occurrence, each entry remembers when its value last changed, and the order
// is derived from (value, that moment) when it is needed; a hash index finds entries by text.
// Callers see exactly what a table kept sorted after every occurrence would show, including
// "first entry in ranking order" wherever several entries qualify.
class WordTable {
public:
    // Plural folding: finds the first entry in ranking order that forms a singular/plural pair
    // with the word. When the entry is the singular, the word is counted under it; when the entry
    // is the plural, the entry becomes the singular. Returns the word to count: word itself or
    // word without its final "s" (a view into word).
    std::string_view foldPlural(std::string_view word);

    // Counts one occurrence under the first entry with exactly this text, or makes a new entry.
    // Returns true when the word was new.
    bool countWord(std::string_view word, float weight);

    std::int64_t wordCount() const { return static_cast<std::int64_t>(slots_.size()); }

    // Entries in ranking order.
    std::vector<WordEntry> ranked() const;

private:
    struct Slot {
        WordEntry entry;
        std::uint64_t stamp = 0;  // when the key value last changed
        std::size_t sameText = 0; // next slot with the same text, or kNoSlot
    };
    static constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);

    bool ranksBefore(std::size_t a, std::size_t b) const;
    // The best-ranked entry with this text; kNoSlot when none.
    std::size_t firstWithText(std::string_view text) const;
    void linkText(std::size_t id);
    void unlinkText(std::size_t id);

    std::vector<Slot> slots_;
    // Text to the slots that have it, chained through Slot::sameText. Plural folding can give two
    // entries one text, so a chain usually has one slot and rarely more.
    boost::unordered_flat_map<std::string, std::size_t, WordHash, std::equal_to<>> byText_;
    std::string plural_; // reused for the plural look-up
    std::uint64_t clock_ = 0;
};

// End of a completed run: drop the words counted fewer than minimumFrequency times (order kept),
// then scale the key values so that the top word has exactly 100.
void ApplyMinFrequency(std::vector<WordEntry>& ranked, std::int64_t minimumFrequency);
void NormaliseKeyValues(std::vector<WordEntry>& ranked);

} // namespace orvanta
