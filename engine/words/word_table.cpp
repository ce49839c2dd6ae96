#include "engine/words/word_table.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace orvanta {
namespace {

// Slots sorted or merged between two calls of the ranking's betweenParts.
constexpr std::size_t kRankingPart = std::size_t{1} << 16;

} // namespace

bool WordTable::ranksBefore(SlotIndex a, SlotIndex b) const {
    const Slot& x = slots_[a];
    const Slot& y = slots_[b];
    if (x.keyValue != y.keyValue) {
        return x.keyValue > y.keyValue;
    }
    return x.stamp < y.stamp;
}

WordTable::TextId WordTable::textId(std::string_view text, bool& isNew) {
    const TextId found = index_.find(text);
    if (found != kNoText) {
        isNew = false;
        return found;
    }
    isNew = true;
    const auto id = static_cast<TextId>(texts_.size());
    const std::string_view stored = textStore_.store(text);
    texts_.push_back(Text{stored});
    index_.insert(stored, id);
    linkPluralPairs(id, stored);
    return id;
}

// Links a new text with the seen texts one "s" shorter and one "s" longer.
void WordTable::linkPluralPairs(TextId id, std::string_view text) {
    if (text.size() > 1 && text.back() == 's') {
        const TextId singular = index_.find(text.substr(0, text.size() - 1));
        if (singular != kNoText) {
            texts_[id].singular = singular;
            texts_[singular].plural = id;
        }
    }
    plural_.assign(text);
    plural_.push_back('s');
    const TextId plural = index_.find(plural_);
    if (plural != kNoText) {
        texts_[id].plural = plural;
        texts_[plural].singular = id;
    }
}

WordTable::SlotIndex WordTable::firstWithText(TextId id) const {
    SlotIndex best = texts_[id].firstSlot;
    if (best == kNoSlot) {
        return kNoSlot;
    }
    for (SlotIndex s = slots_[best].sameText; s != kNoSlot; s = slots_[s].sameText) {
        if (ranksBefore(s, best)) {
            best = s;
        }
    }
    return best;
}

void WordTable::linkText(SlotIndex slot, TextId id) {
    slots_[slot].text = id;
    slots_[slot].sameText = texts_[id].firstSlot;
    texts_[id].firstSlot = slot;
}

void WordTable::unlinkText(SlotIndex slot) {
    SlotIndex* link = &texts_[slots_[slot].text].firstSlot;
    while (*link != slot) {
        link = &slots_[*link].sameText;
    }
    *link = slots_[slot].sameText;
}

WordTable::TextId WordTable::foldPlural(TextId word) {
    if (slots_.empty()) {
        return word;
    }
    const Text& text = texts_[word];
    // An entry that is the word's singular: the word is counted under it.
    const SlotIndex singular = text.singular != kNoText ? firstWithText(text.singular) : kNoSlot;
    // An entry that is the word's plural: the entry becomes the word.
    const SlotIndex pluralEntry = text.plural != kNoText ? firstWithText(text.plural) : kNoSlot;

    if (singular != kNoSlot && (pluralEntry == kNoSlot || ranksBefore(singular, pluralEntry))) {
        return text.singular;
    }
    if (pluralEntry != kNoSlot) {
        // The entry's text is that of the text it is linked to: relinked, it reads as the word.
        unlinkText(pluralEntry);
        linkText(pluralEntry, word);
    }
    return word;
}

std::string_view WordTable::foldPlural(std::string_view word) {
    bool isNew = false;
    const TextId id = textId(word, isNew);
    return foldPlural(id) == id ? word : word.substr(0, word.size() - 1);
}

bool WordTable::countWord(TextId id, float weight) {
    const SlotIndex found = firstWithText(id);
    if (found != kNoSlot) {
        Slot& slot = slots_[found];
        ++slot.frequency;
        const float sum = slot.keyValue + weight;
        // An entry whose stored value does not change keeps its place.
        if (sum != slot.keyValue) {
            slot.keyValue = sum;
            slot.stamp = ++clock_;
        }
        return false;
    }
    const auto slot = static_cast<SlotIndex>(slots_.size());
    slots_.push_back(Slot{weight, 1, ++clock_, kNoSlot, id});
    linkText(slot, id);
    return true;
}

bool WordTable::countWord(std::string_view word, float weight) {
    bool isNew = false;
    return countWord(textId(word, isNew), weight);
}

std::vector<WordEntry> WordTable::ranked(const std::function<void()>& betweenParts) const {
    const std::vector<SlotIndex> order = rankingOrder(betweenParts);
    std::vector<WordEntry> out;
    out.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const Slot& slot = slots_[order[i]];
        out.push_back(
            WordEntry{std::string(texts_[slot.text].text), slot.frequency, slot.keyValue});
        if (betweenParts && (i + 1) % kRankingPart == 0) {
            betweenParts();
        }
    }
    return out;
}

namespace {

// What ranking compares of a slot.
struct RankKey {
    float keyValue;
    std::uint32_t slot;
    std::uint64_t stamp;
};

// The same order as WordTable::ranksBefore.
bool RanksBefore(const RankKey& a, const RankKey& b) {
    if (a.keyValue != b.keyValue) {
        return a.keyValue > b.keyValue;
    }
    return a.stamp < b.stamp;
}

} // namespace

// The slots in ranking order: parts of kRankingPart slots sorted one by one, then merged in
// rounds, with betweenParts() called after every kRankingPart slots sorted or merged. The order
// is total (no two slots share a stamp), so this gives what one sort would.
std::vector<WordTable::SlotIndex>
WordTable::rankingOrder(const std::function<void()>& betweenParts) const {
    const std::size_t n = slots_.size();
    std::vector<SlotIndex> order(n);
    std::iota(order.begin(), order.end(), SlotIndex{0});
    const auto before = [this](SlotIndex a, SlotIndex b) { return ranksBefore(a, b); };
    const auto pause = [&betweenParts] {
        if (betweenParts) {
            betweenParts();
        }
    };
    // A part is sorted by copies of the compared values side by side, which is quicker than
    // following every index into the table.
    std::vector<RankKey> keys;
    keys.reserve(std::min(n, kRankingPart));
    for (std::size_t begin = 0; begin < n; begin += kRankingPart) {
        const std::size_t end = std::min(n, begin + kRankingPart);
        keys.clear();
        for (std::size_t i = begin; i < end; ++i) {
            const Slot& slot = slots_[order[i]];
            keys.push_back(RankKey{slot.keyValue, order[i], slot.stamp});
        }
        std::sort(keys.begin(), keys.end(), RanksBefore);
        for (std::size_t i = begin; i < end; ++i) {
            order[i] = keys[i - begin].slot;
        }
        pause();
    }
    if (n <= kRankingPart) {
        return order; // one part: sorted already
    }
    std::vector<SlotIndex> merged(n);
    for (std::size_t width = kRankingPart; width < n; width *= 2) {
        std::size_t written = 0;
        for (std::size_t begin = 0; begin < n; begin += 2 * width) {
            const std::size_t middle = std::min(n, begin + width);
            const std::size_t end = std::min(n, begin + 2 * width);
            std::size_t a = begin;
            std::size_t b = middle;
            while (a < middle || b < end) {
                const bool takeB = a == middle || (b < end && before(order[b], order[a]));
                merged[written++] = takeB ? order[b++] : order[a++];
                if (written % kRankingPart == 0) {
                    pause();
                }
            }
        }
        order.swap(merged);
    }
    return order;
}

void ApplyMinFrequency(std::vector<WordEntry>& ranked, std::int64_t minimumFrequency) {
    if (minimumFrequency <= 1) {
        return;
    }
    std::erase_if(
        ranked, [minimumFrequency](const WordEntry& e) { return e.frequency < minimumFrequency; });
}

void NormaliseKeyValues(std::vector<WordEntry>& ranked) {
    float maxKeyValue = 0.0f;
    for (const WordEntry& e : ranked) {
        maxKeyValue = std::max(maxKeyValue, e.keyValue);
    }
    if (maxKeyValue <= 0.0f) {
        return;
    }
    for (WordEntry& e : ranked) {
        e.keyValue = static_cast<float>(static_cast<double>(e.keyValue) * 100.0 /
                                        static_cast<double>(maxKeyValue));
    }
}

} // namespace orvanta
