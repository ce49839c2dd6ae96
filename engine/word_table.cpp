#include "engine/word_table.h"

#include <algorithm>
#include <numeric>

namespace orvanta {
namespace {
constexpr std::size_t kNone = static_cast<std::size_t>(-1);
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
    std::size_t best = kNone;
    const auto [first, last] = byText_.equal_range(text);
    for (auto it = first; it != last; ++it) {
        if (best == kNone || ranksBefore(it->second, best)) {
            best = it->second;
        }
    }
    return best;
}

std::string WordTable::foldPlural(std::string_view word) {
    std::string result(word);
    if (slots_.empty()) {
        return result;
    }
    // An entry that is the word's singular: the word is counted under it.
    std::size_t singular = kNone;
    if (word.size() > 1 && word.back() == 's') {
        singular = firstWithText(word.substr(0, word.size() - 1));
    }
    // An entry that is the word's plural: the entry becomes the word.
    const std::string plural = result + "s";
    const std::size_t pluralEntry = firstWithText(plural);

    if (singular != kNone && (pluralEntry == kNone || ranksBefore(singular, pluralEntry))) {
        result.pop_back();
        return result;
    }
    if (pluralEntry != kNone) {
        const auto [first, last] = byText_.equal_range(plural);
        for (auto it = first; it != last; ++it) {
            if (it->second == pluralEntry) {
                byText_.erase(it);
                break;
            }
        }
        slots_[pluralEntry].entry.text = result;
        byText_.emplace(result, pluralEntry);
    }
    return result;
}

bool WordTable::countWord(const std::string& word, float weight) {
    const std::size_t id = firstWithText(word);
    if (id != kNone) {
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
    slots_.push_back(Slot{WordEntry{word, 1, weight}, ++clock_});
    byText_.emplace(word, slots_.size() - 1);
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
