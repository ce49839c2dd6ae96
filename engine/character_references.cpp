#include "engine/character_references.h"

#include "util/unicode_lower.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace orvanta {
namespace {

struct NamedReference {
    std::string_view name; // lower case, without "&" and ";"
    std::string_view replacement;
};

constexpr NamedReference kNamedReferences[] = {
#include "engine/html_entities_table.inc"
};

constexpr std::size_t LongestName() {
    std::size_t longest = 0;
    for (const NamedReference& r : kNamedReferences) {
        longest = std::max(longest, r.name.size());
    }
    return longest;
}
constexpr std::size_t kLongestName = LongestName();

constexpr std::string_view kSpace = " ";
constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kBeyondUnicode = 0x110000;

// The accented letters (lower case, U+00DF to U+00FF) the engine folds to plain letters;
// an empty entry is a character that is not folded.
constexpr std::string_view kFoldedLatin1[] = {
    "ss", "a", "a", "a", "a", "ae", "a",  "ae", "c", "e", "e", "e", "e",  "i", "i", "i", "i",
    "d",  "n", "o", "o", "o", "o",  "oe", "",   "",  "u", "u", "u", "ue", "y", "",  "y",
};
static_assert(std::size(kFoldedLatin1) == 0xFF - 0xDF + 1);

std::string_view ReplacementForCodePoint(char32_t c) {
    const char32_t lower = text::SimpleLowerCase(c);
    if (lower >= U'a' && lower <= U'z') {
        static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz";
        return kLetters.substr(lower - U'a', 1);
    }
    if (lower >= 0xDF && lower <= 0xFF) {
        const std::string_view folded = kFoldedLatin1[lower - 0xDF];
        return folded.empty() ? kSpace : folded;
    }
    return kSpace;
}

template <typename Char> bool IsNameCharacter(Char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

template <typename Char> int HexValue(Char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<int>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<int>(c - 'a') + 10;
    }
    return -1;
}

template <typename Char> int DecimalValue(Char c) {
    return (c >= '0' && c <= '9') ? static_cast<int>(c - '0') : -1;
}

// A reference found at some "&": how many characters it spans and what replaces it.
struct Match {
    std::size_t length = 0; // 0: no reference starts here
    std::string_view replacement;
};

// "&#" digits ";" or "&#x" hex digits ";", starting at `start` (the "&").
template <typename Char> Match MatchNumeric(const Char* s, std::size_t start, std::size_t size) {
    std::size_t i = start + 2;
    const bool hex = i < size && s[i] == 'x';
    if (hex) {
        ++i;
    }
    const std::size_t firstDigit = i;
    const char32_t base = hex ? 16 : 10;
    char32_t value = 0;
    for (; i < size; ++i) {
        const int digit = hex ? HexValue(s[i]) : DecimalValue(s[i]);
        if (digit < 0) {
            break;
        }
        // Saturate: every number past U+10FFFF means the same, however many digits follow.
        value = std::min<char32_t>(value * base + static_cast<char32_t>(digit), kBeyondUnicode);
    }
    if (i == firstDigit || i == size || s[i] != ';') {
        return {};
    }
    const bool invalid = value == 0 || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF;
    return {i + 1 - start, ReplacementForCodePoint(invalid ? kReplacementCharacter : value)};
}

template <typename Char> std::string_view LookUpName(const Char* name, std::size_t length) {
    if (length > kLongestName) {
        return {};
    }
    char key[kLongestName];
    for (std::size_t k = 0; k < length; ++k) {
        key[k] = static_cast<char>(name[k]); // a-z or 0-9, checked by the caller
    }
    const std::string_view wanted(key, length);
    const auto* end = std::end(kNamedReferences);
    const auto* it =
        std::lower_bound(std::begin(kNamedReferences), end, wanted,
                         [](const NamedReference& r, std::string_view w) { return r.name < w; });
    return (it != end && it->name == wanted) ? it->replacement : std::string_view{};
}

// "&" name ";" with the name in the table, starting at `start` (the "&").
template <typename Char> Match MatchNamed(const Char* s, std::size_t start, std::size_t size) {
    std::size_t i = start + 1;
    while (i < size && IsNameCharacter(s[i])) {
        ++i;
    }
    const std::size_t nameLength = i - start - 1;
    if (nameLength == 0 || i == size || s[i] != ';') {
        return {};
    }
    const std::string_view replacement = LookUpName(s + start + 1, nameLength);
    if (replacement.empty()) {
        return {};
    }
    return {i + 1 - start, replacement};
}

template <typename Char> Match MatchReference(const Char* s, std::size_t start, std::size_t size) {
    if (start + 1 < size && s[start + 1] == '#') {
        return MatchNumeric(s, start, size);
    }
    return MatchNamed(s, start, size);
}

std::size_t FindAmpersand(const char* s, std::size_t from, std::size_t size) {
    const void* hit = std::memchr(s + from, '&', size - from);
    return hit == nullptr ? size : static_cast<std::size_t>(static_cast<const char*>(hit) - s);
}

std::size_t FindAmpersand(const char32_t* s, std::size_t from, std::size_t size) {
    return static_cast<std::size_t>(std::find(s + from, s + size, U'&') - s);
}

template <typename String> void ReplaceInPlace(String& line) {
    using Char = typename String::value_type;
    const std::size_t size = line.size();
    std::size_t read = FindAmpersand(line.data(), 0, size);
    if (read == size) {
        return;
    }
    Char* s = line.data();
    std::size_t write = read;
    while (read < size) {
        const Match match = MatchReference(s, read, size);
        if (match.length == 0) {
            s[write++] = s[read++]; // the "&" stays
        } else {
            for (const char c : match.replacement) {
                s[write++] = static_cast<Char>(c);
            }
            read += match.length;
        }
        const std::size_t next = FindAmpersand(s, read, size);
        if (write != read) {
            std::copy(s + read, s + next, s + write);
        }
        write += next - read;
        read = next;
    }
    line.resize(write);
}

} // namespace

void ReplaceCharacterReferences(std::string& utf8Line) {
    ReplaceInPlace(utf8Line);
}

void ReplaceCharacterReferences(std::u32string& line) {
    ReplaceInPlace(line);
}

} // namespace orvanta
