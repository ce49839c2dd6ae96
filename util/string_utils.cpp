#include "util/string_utils.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace orvanta::text {

std::size_t FirstNonSpaceFrom(std::string_view s, std::size_t p) {
    while (p < s.size() && s[p] == ' ') {
        ++p;
    }
    return std::min(p, s.size());
}

void KeepSignedDigits(std::string& s, bool allowMinus) {
    bool digitSeen = false;
    bool plusSeen = false;
    bool minusSeen = false;
    std::string kept;
    kept.reserve(s.size());
    for (const char c : s) {
        if (c >= '0' && c <= '9') {
            kept.push_back(c);
            digitSeen = true;
        } else if (c == '+' && !digitSeen && !plusSeen) {
            kept.push_back(c);
            plusSeen = true;
        } else if (c == '-' && allowMinus && !digitSeen && !minusSeen) {
            kept.push_back(c);
            minusSeen = true;
        }
    }
    s = std::move(kept);
}

std::size_t CountChar(std::u32string_view s, char32_t c) {
    std::size_t n = 0;
    for (const char32_t x : s) {
        n += (x == c) ? 1 : 0;
    }
    return n;
}

std::u32string_view TrimSpaces(std::u32string_view s) {
    const std::size_t first = s.find_first_not_of(kSpace);
    if (first == std::u32string_view::npos) {
        return {};
    }
    const std::size_t last = s.find_last_not_of(kSpace);
    return s.substr(first, last - first + 1);
}

std::string_view TrimSpaces(std::string_view s) {
    // Plain loops: this runs on every document line, and lines are short.
    std::size_t first = 0;
    std::size_t last = s.size();
    // Indentation is often long: eight spaces at a time first.
    constexpr std::uint64_t kSpaces = 0x2020202020202020ULL;
    for (std::uint64_t word = 0; first + 8 <= last; first += 8) {
        std::memcpy(&word, s.data() + first, 8);
        if (word != kSpaces) {
            break;
        }
    }
    while (first < last && s[first] == ' ') {
        ++first;
    }
    while (last > first && s[last - 1] == ' ') {
        --last;
    }
    return s.substr(first, last - first);
}

} // namespace orvanta::text
