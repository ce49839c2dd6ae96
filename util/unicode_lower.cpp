#include "util/unicode_lower.h"

#include "util/text_codec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
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

// True when the table maps no character of [from, to), and maps Latin-1 as SimpleLowerCase's
// shortcut does.
constexpr bool TableHasNoneIn(char32_t from, char32_t to) {
    for (const Mapping& m : kMappings) {
        if (m.from >= from && m.from < to) {
            return false;
        }
    }
    return true;
}
constexpr bool Latin1ShortcutMatchesTable() {
    int count = 0;
    for (const Mapping& m : kMappings) {
        if (m.from < 0x100) {
            if (m.from < 0xC0 || m.from > 0xDE || m.from == 0xD7 || m.to != m.from + 32) {
                return false;
            }
            ++count;
        }
    }
    return count == 30;
}
static_assert(TableHasNoneIn(0x2000, 0x2100) && TableHasNoneIn(0x3000, 0xA640));
static_assert(Latin1ShortcutMatchesTable());

constexpr std::array<char, 128> MakeAsciiLower() {
    std::array<char, 128> table{};
    for (int c = 0; c < 128; ++c) {
        table[c] = static_cast<char>((c >= 'A' && c <= 'Z') ? c + 32 : c);
    }
    return table;
}
constexpr std::array<char, 128> kAsciiLower = MakeAsciiLower();

constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

// Lower-cases eight ASCII bytes at once: 0x20 is added to every byte from "A" to "Z".
void LowerAsciiWord(char* bytes) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, 8);
    const std::uint64_t atLeastA = word + kOnes * (0x80 - 'A');
    const std::uint64_t aboveZ = word + kOnes * (0x7F - 'Z');
    const std::uint64_t upper = atLeastA & ~aboveZ & kHighs;
    word |= upper >> 2;
    std::memcpy(bytes, &word, 8);
}

std::size_t SequenceLength(unsigned char lead) {
    return lead >= 0xF0 ? 4 : (lead >= 0xE0 ? 3 : 2);
}

char32_t DecodeSequence(const char* p, std::size_t length) {
    char32_t c = static_cast<unsigned char>(p[0]) & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        c = (c << 6) | (static_cast<unsigned char>(p[k]) & 0x3F);
    }
    return c;
}

} // namespace

char32_t SimpleLowerCase(char32_t c) {
    if (c < 0x80) {
        return (c >= U'A' && c <= U'Z') ? c + 32 : c;
    }
    // The commonest characters of pages answered without the search: Latin-1, general
    // punctuation (quotes, dashes) and the CJK blocks; the build checks these against the table.
    if (c < 0x100) {
        return (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? c + 32 : c;
    }
    if ((c >= 0x2000 && c < 0x2100) || (c >= 0x3000 && c < 0xA640)) {
        return c;
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

namespace orvanta::text {

void LowerCaseUtf8(std::string_view utf8, std::string& out) {
    // Sized for the common case of equal lengths; grown when a lower case needs more bytes.
    out.resize(utf8.size());
    std::size_t w = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (i + 8 <= utf8.size()) {
            std::uint64_t word = 0;
            std::memcpy(&word, utf8.data() + i, 8);
            if ((word & kHighs) == 0) {
                std::memcpy(out.data() + w, &word, 8);
                LowerAsciiWord(out.data() + w);
                w += 8;
                i += 8;
                continue;
            }
        }
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out[w++] = kAsciiLower[lead];
            ++i;
            continue;
        }
        const std::size_t length = std::min(SequenceLength(lead), utf8.size() - i);
        char encoded[4];
        const char32_t c = DecodeSequence(utf8.data() + i, length);
        const char32_t lower = SimpleLowerCase(c);
        const std::size_t written = lower == c ? length : EncodeUtf8(lower, encoded);
        const std::size_t needed = w + written + (utf8.size() - i - length);
        if (needed > out.size()) {
            out.resize(needed);
        }
        std::memcpy(out.data() + w, lower == c ? utf8.data() + i : encoded, written);
        w += written;
        i += length;
    }
    out.resize(w);
}

void LowerCaseUtf8InPlace(std::string& utf8) {
    char* p = utf8.data();
    std::size_t i = 0;
    std::size_t w = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(p[i]);
        if (lead < 0x80) {
            p[w++] = kAsciiLower[lead];
            ++i;
            continue;
        }
        const std::size_t length = std::min(SequenceLength(lead), utf8.size() - i);
        char encoded[4];
        const char32_t c = DecodeSequence(p + i, length);
        const char32_t lower = SimpleLowerCase(c);
        const std::size_t written = lower == c ? length : EncodeUtf8(lower, encoded);
        if (w + written > i + length) {
            // This lower case is longer and would overwrite bytes not read yet: finish by copy.
            std::string tail;
            LowerCaseUtf8(std::string_view(p + i, utf8.size() - i), tail);
            utf8.resize(w);
            utf8 += tail;
            return;
        }
        std::memmove(p + w, lower == c ? p + i : encoded, written);
        w += written;
        i += length;
    }
    utf8.resize(w);
}

} // namespace orvanta::text
