#pragma once

#include "engine/words/text_index.h"
#include "util/chunked_vector.h"
#include "util/text_arena.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

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
    // Every text the table has been asked about gets an id, kept for the whole run: a word's
    // occurrences then need one hash look-up, and its singular and plural are found through the
    // ids linked to it.
    using TextId = std::uint32_t;

    // The id of text, made on first sight (then isNew is true and marks(id) is 0).
    TextId textId(std::string_view text, bool& isNew);
    // Bits a caller keeps about a text for the whole run (word acceptance keeps its verdicts).
    std::uint8_t& marks(TextId id) { return texts_[id].marks; }

    // Plural folding: finds the first entry in ranking order that forms a singular/plural pair
    // with the word. When the entry is the singular, the word is counted under it; when the entry
    // is the plural, the entry becomes the singular. Returns the text to count: word itself or
    // the word without its final "s".
    TextId foldPlural(TextId word);
    // The same by text; the result is word or a view into it.
    std::string_view foldPlural(std::string_view word);

    // Counts one occurrence under the first entry with the text of id, or makes a new entry.
    // Returns true when the word was new.
    bool countWord(TextId id, float weight);
    bool countWord(std::string_view word, float weight);

    std::int64_t wordCount() const { return static_cast<std::int64_t>(slots_.size()); }

    // Entries in ranking order. A large table is sorted a part at a time, with
    // betweenParts() called after each part (a few milliseconds of work).
    std::vector<WordEntry> ranked(const std::function<void()>& betweenParts = {}) const;

private:
    using SlotIndex = std::uint32_t;
    static constexpr SlotIndex kNoSlot = static_cast<SlotIndex>(-1);
    static constexpr TextId kNoText = TextIndex::kNone;

    // One entry: its text is always that of the text it is linked to.
    struct Slot {
        float keyValue = 0.0f;
        std::int64_t frequency = 0;
        std::uint64_t stamp = 0;      // when the key value last changed
        SlotIndex sameText = kNoSlot; // next slot with the same text
        TextId text = 0;
    };

    // What the table knows of one text: its entries (chained through Slot::sameText; plural
    // folding can give two entries one text, so a chain usually has one slot and rarely more),
    // the texts one "s" shorter and longer when seen, and the caller's marks.
    struct Text {
        std::string_view text; // in textStore_
        SlotIndex firstSlot = kNoSlot;
        TextId singular = kNoText;
        TextId plural = kNoText;
        std::uint8_t marks = 0;
    };

    bool ranksBefore(SlotIndex a, SlotIndex b) const;
    // The best-ranked entry with this text; kNoSlot when none.
    SlotIndex firstWithText(TextId id) const;
    void linkPluralPairs(TextId id, std::string_view text);
    void linkText(SlotIndex slot, TextId id);
    void unlinkText(SlotIndex slot);
    std::vector<SlotIndex> rankingOrder(const std::function<void()>& betweenParts) const;

    // Neither grows by moving what it holds, so a table of millions of words grows without
    // long pauses.
    text::ChunkedVector<Slot> slots_;
    text::ChunkedVector<Text> texts_;
    text::TextArena textStore_;
    TextIndex index_;
    std::string plural_; // reused for the plural look-up
    std::uint64_t clock_ = 0;
};

// End of a completed run: drop the words counted fewer than minimumFrequency times (order kept),
// then scale the key values so that the top word has exactly 100.
void ApplyMinFrequency(std::vector<WordEntry>& ranked, std::int64_t minimumFrequency);
void NormaliseKeyValues(std::vector<WordEntry>& ranked);

} // namespace orvanta
