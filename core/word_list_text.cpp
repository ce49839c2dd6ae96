#include "core/word_list_text.h"

#include <cmath>

namespace orvanta::core {
namespace {

std::string PadLeft(const std::string& s, std::size_t width) {
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

} // namespace

std::int64_t DisplayValue(float keyValue) {
    return static_cast<std::int64_t>(std::nearbyint(static_cast<double>(keyValue)));
}

std::string WriteWordList(const std::vector<WordEntry>& ranked) {
    const std::size_t rankWidth = std::max<std::size_t>(4, std::to_string(ranked.size()).size());
    std::string out = "Rank Value Frequency\r\n";
    bool noticeGiven = false;
    std::size_t rank = 0;
    for (const WordEntry& entry : ranked) {
        ++rank;
        const std::int64_t value = DisplayValue(entry.keyValue);
        if (value != 0) {
            out += PadLeft(std::to_string(rank), rankWidth);
            out += ' ';
            out += PadLeft(std::to_string(value), 5);
            out += ' ';
            // Never truncated: a frequency with more than four digits widens its field.
            out += PadLeft(std::to_string(entry.frequency), 4);
            out += ' ';
            out += entry.text;
            out += "\r\n";
        } else if (!noticeGiven) {
            out += "\r\nWords with key value 0 not shown.\r\n";
            noticeGiven = true;
        }
    }
    return out;
}

} // namespace orvanta::core
