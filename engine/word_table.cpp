#include "engine/word_table.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace orvanta {
// Words are short: eight bytes at a time, multiplied in; the map mixes the result further.
std::size_t WordHash::operator()(std::string_view word) const noexcept {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
    std::uint64_t h = word.size() * kMultiplier;
    std::size_t i = 0;
    for (; i + 8 <= word.size(); i += 8) {
        std::uint64_t chunk = 0;
        std::memcpy(&chunk, word.data() + i, 8);
        h = (h ^ chunk) * kMultiplier;
        h ^= h >> 29;
    }
    if (i < word.size()) {
        std::uint64_t chunk = 0;
        std::memcpy(&chunk, word.data() + i, word.size() - i);
        h = (h ^ chunk) * kMultiplier;
        h ^= h >> 29;
    }
    return static_cast<std::size_t>(h);
}

bool WordTable::ranksBefore(std::size_t a, std::size_t b) const {
    const Slot& x = slots_[a];
    const Slot& y = slots_[b];
    if (x.entry.keyValue != y.entry.keyValue) {
        return x.entry.keyValue > y.entry.keyValue;
    }
    return x.stamp < y.stamp;
}

std::size_t WordTable::firstWithText(std::string_view text) const {
    const auto found = byText_.find(text);
    if (found == byText_.end()) {
        return kNoSlot;
    }
    std::size_t best = found->second;
    for (std::size_t id = slots_[best].sameText; id != kNoSlot; id = slots_[id].sameText) {
        if (ranksBefore(id, best)) {
            best = id;
        }
    }
    return best;
}

void WordTable::linkText(std::size_t id) {
    const auto [it, inserted] = byText_.try_emplace(slots_[id].entry.text, id);
    slots_[id].sameText = inserted ? kNoSlot : it->second;
    it->second = id;
}

void WordTable::unlinkText(std::size_t id) {
    const auto it = byText_.find(slots_[id].entry.text);
    if (it->second == id) {
        if (slots_[id].sameText == kNoSlot) {
            byText_.erase(it);
        } else {
            it->second = slots_[id].sameText;
        }
        return;
    }
    std::size_t previous = it->second;
    while (slots_[previous].sameText != id) {
        previous = slots_[previous].sameText;
    }
    slots_[previous].sameText = slots_[id].sameText;
}

std::string_view WordTable::foldPlural(std::string_view word) {
    if (slots_.empty()) {
        return word;
    }
    // An entry that is the word's singular: the word is counted under it.
    std::size_t singular = kNoSlot;
    if (word.size() > 1 && word.back() == 's') {
        singular = firstWithText(word.substr(0, word.size() - 1));
    }
    // An entry that is the word's plural: the entry becomes the word.
    plural_.assign(word);
    plural_.push_back('s');
    const std::size_t pluralEntry = firstWithText(plural_);

    if (singular != kNoSlot && (pluralEntry == kNoSlot || ranksBefore(singular, pluralEntry))) {
        return word.substr(0, word.size() - 1);
    }
    if (pluralEntry != kNoSlot) {
        unlinkText(pluralEntry);
        slots_[pluralEntry].entry.text.assign(word);
        linkText(pluralEntry);
    }
    return word;
}

bool WordTable::countWord(std::string_view word, float weight) {
    const std::size_t id = firstWithText(word);
    if (id != kNoSlot) {
        Slot& slot = slots_[id];
        ++slot.entry.frequency;
        const float sum = slot.entry.keyValue + weight;
        // An entry whose stored value does not change keeps its place.
        if (sum != slot.entry.keyValue) {
            slot.entry.keyValue = sum;
            slot.stamp = ++clock_;
        }
        return false;
    }
    slots_.push_back(Slot{WordEntry{std::string(word), 1, weight}, ++clock_, kNoSlot});
    linkText(slots_.size() - 1);
    return true;
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
