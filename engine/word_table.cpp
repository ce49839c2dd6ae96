#include "engine/word_table.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace orvanta {
namespace {

std::uint64_t Load8(const char* p) {
    std::uint64_t v = 0;
    std::memcpy(&v, p, 8);
    return v;
}

std::uint32_t Load4(const char* p) {
    std::uint32_t v = 0;
    std::memcpy(&v, p, 4);
    return v;
}

// The last up-to-eight bytes of a text as one number, read with fixed-size loads (overlapping
// for lengths that are not a multiple) so that no variable-length copy is needed.
std::uint64_t TailChunk(const char* p, std::size_t n) {
    if (n >= 8) {
        return Load8(p + n - 8);
    }
    if (n >= 4) {
        return (static_cast<std::uint64_t>(Load4(p)) << 32) | Load4(p + n - 4);
    }
    if (n == 0) {
        return 0;
    }
    const auto byte = [p](std::size_t i) {
        return static_cast<std::uint64_t>(static_cast<unsigned char>(p[i]));
    };
    return (byte(0) << 16) | (byte(n / 2) << 8) | byte(n - 1);
}

} // namespace

// Words are short: eight bytes at a time, multiplied in; the map mixes the result further.
std::size_t WordHash::operator()(std::string_view word) const noexcept {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
    const char* p = word.data();
    const std::size_t n = word.size();
    std::uint64_t h = n * kMultiplier;
    std::size_t i = 0;
    for (; i + 8 < n; i += 8) {
        h = (h ^ Load8(p + i)) * kMultiplier;
        h ^= h >> 29;
    }
    h = (h ^ TailChunk(p, n)) * kMultiplier;
    h ^= h >> 29;
    return static_cast<std::size_t>(h);
}

bool WordEqual::operator()(std::string_view a, std::string_view b) const noexcept {
    const std::size_t n = a.size();
    if (n != b.size()) {
        return false;
    }
    if (n > 16) {
        return std::memcmp(a.data(), b.data(), n) == 0;
    }
    // Up to sixteen bytes: the first and the last eight (or fewer) bytes cover the text.
    if (n > 8 && Load8(a.data()) != Load8(b.data())) {
        return false;
    }
    return TailChunk(a.data(), n) == TailChunk(b.data(), n);
}

bool WordTable::ranksBefore(std::size_t a, std::size_t b) const {
    const Slot& x = slots_[a];
    const Slot& y = slots_[b];
    if (x.entry.keyValue != y.entry.keyValue) {
        return x.entry.keyValue > y.entry.keyValue;
    }
    return x.stamp < y.stamp;
}

WordTable::TextId WordTable::textId(std::string_view text, bool& isNew) {
    const auto found = ids_.find(text);
    if (found != ids_.end()) {
        isNew = false;
        return found->second;
    }
    isNew = true;
    const auto id = static_cast<TextId>(texts_.size());
    texts_.emplace_back();
    ids_.emplace(std::string(text), id);
    linkPluralPairs(id, text);
    return id;
}

// Links a new text with the seen texts one "s" shorter and one "s" longer.
void WordTable::linkPluralPairs(TextId id, std::string_view text) {
    if (text.size() > 1 && text.back() == 's') {
        const auto singular = ids_.find(text.substr(0, text.size() - 1));
        if (singular != ids_.end()) {
            texts_[id].singular = singular->second;
            texts_[singular->second].plural = id;
        }
    }
    plural_.assign(text);
    plural_.push_back('s');
    const auto plural = ids_.find(plural_);
    if (plural != ids_.end()) {
        texts_[id].plural = plural->second;
        texts_[plural->second].singular = id;
    }
}

std::size_t WordTable::firstWithText(TextId id) const {
    std::size_t best = texts_[id].firstSlot;
    if (best == kNoSlot) {
        return kNoSlot;
    }
    for (std::size_t s = slots_[best].sameText; s != kNoSlot; s = slots_[s].sameText) {
        if (ranksBefore(s, best)) {
            best = s;
        }
    }
    return best;
}

void WordTable::linkText(std::size_t slot, TextId id) {
    slots_[slot].text = id;
    slots_[slot].sameText = texts_[id].firstSlot;
    texts_[id].firstSlot = slot;
}

void WordTable::unlinkText(std::size_t slot) {
    std::size_t* link = &texts_[slots_[slot].text].firstSlot;
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
    const std::size_t singular = text.singular != kNoText ? firstWithText(text.singular) : kNoSlot;
    // An entry that is the word's plural: the entry becomes the word.
    const std::size_t pluralEntry = text.plural != kNoText ? firstWithText(text.plural) : kNoSlot;

    if (singular != kNoSlot && (pluralEntry == kNoSlot || ranksBefore(singular, pluralEntry))) {
        return text.singular;
    }
    if (pluralEntry != kNoSlot) {
        unlinkText(pluralEntry);
        slots_[pluralEntry].entry.text.pop_back();
        linkText(pluralEntry, word);
    }
    return word;
}

std::string_view WordTable::foldPlural(std::string_view word) {
    bool isNew = false;
    const TextId id = textId(word, isNew);
    return foldPlural(id) == id ? word : word.substr(0, word.size() - 1);
}

bool WordTable::countWord(TextId id, std::string_view text, float weight) {
    const std::size_t found = firstWithText(id);
    if (found != kNoSlot) {
        Slot& slot = slots_[found];
        ++slot.entry.frequency;
        const float sum = slot.entry.keyValue + weight;
        // An entry whose stored value does not change keeps its place.
        if (sum != slot.entry.keyValue) {
            slot.entry.keyValue = sum;
            slot.stamp = ++clock_;
        }
        return false;
    }
    slots_.push_back(Slot{WordEntry{std::string(text), 1, weight}, ++clock_, kNoSlot, id});
    linkText(slots_.size() - 1, id);
    return true;
}

bool WordTable::countWord(std::string_view word, float weight) {
    bool isNew = false;
    return countWord(textId(word, isNew), word, weight);
}

std::vector<WordEntry> WordTable::ranked() const {
    std::vector<std::size_t> order(slots_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [this](std::size_t a, std::size_t b) { return ranksBefore(a, b); });
    std::vector<WordEntry> out;
    out.reserve(order.size());
    for (const std::size_t id : order) {
        out.push_back(slots_[id].entry);
    }
    return out;
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
