#include "util/unicode_lower.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orvanta::text {
namespace {

struct Mapping {
    char32_t from;
    char32_t to;
};

constexpr Mapping kMappings[] = {
#include "util/unicode_lower_table.inc"
};

} // namespace

char32_t SimpleLowerCase(char32_t c) {
    if (c < 0x80) {
        return (c >= U'A' && c <= U'Z') ? c + 32 : c;
    }
    const auto* end = std::end(kMappings);
    const auto* it = std::lower_bound(std::begin(kMappings), end, c,
                                      [](const Mapping& m, char32_t key) { return m.from < key; });
    return (it != end && it->from == c) ? it->to : c;
}

void LowerCaseInPlace(std::u32string& s) {
    for (char32_t& c : s) {
        c = SimpleLowerCase(c);
    }
}

} // namespace orvanta::text
