#include "engine/preparing/character_references.h"

#include "util/letter_classes.h"
#include "util/text_codec.h"
#include "util/unicode_lower.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace orvanta {
namespace {

struct NamedReference {
    std::string_view name; // lower case, without "&" and ";"
    char32_t character;    // lower case; 0 for a name that stands for two characters or more
};

constexpr NamedReference kNamedReferences[] = {
#include "engine/preparing/html_entities_table.inc"
};

constexpr std::size_t LongestName() {
    std::size_t longest = 0;
    for (const NamedReference& r : kNamedReferences) {
        longest = std::max(longest, r.name.size());
    }
    return longest;
}
constexpr std::size_t kLongestName = LongestName();

// The pass works in place: no character, written in UTF-8, is longer than its reference.
constexpr bool EveryNameFitsItsCharacter() {
    for (const NamedReference& r : kNamedReferences) {
        const std::size_t utf8 = r.character < 0x80      ? 1
                                 : r.character < 0x800   ? 2
                                 : r.character < 0x10000 ? 3
                                                         : 4;
        if (r.name.size() + 2 < utf8) {
            return false;
        }
    }
    return true;
}
static_assert(EveryNameFitsItsCharacter());

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kBeyondUnicode = 0x110000;

// The accented letters (lower case, U+00DF to U+00FF) the engine folds to plain letters;
// an empty entry is a character that is not folded.
constexpr std::string_view kFoldedLatin1[] = {
    "ss", "a", "a", "a", "a", "ae", "a",  "ae", "c", "e", "e", "e", "e",  "i", "i", "i", "i",
    "d",  "n", "o", "o", "o", "o",  "oe", "",   "",  "u", "u", "u", "ue", "y", "",  "y",
};
static_assert(std::size(kFoldedLatin1) == 0xFF - 0xDF + 1);

// What replaces a reference: a letter (of any script) as itself, lower-cased (the accented
// letters already folded), anything else as one space. Never longer than the shortest reference
// to the character ("&mu;", "&#1046;"), so the pass can work in place.
struct Replacement {
    char bytes[4] = {' '};
    std::size_t size = 1;

    std::string_view utf8() const { return {bytes, size}; }
};

Replacement ReplacementForCodePoint(char32_t c) {
    const char32_t lower = text::SimpleLowerCase(c);
    Replacement r;
    if (lower >= U'a' && lower <= U'z') {
        r.bytes[0] = static_cast<char>(lower);
    } else if (lower >= 0xDF && lower <= 0xFF && !kFoldedLatin1[lower - 0xDF].empty()) {
        const std::string_view folded = kFoldedLatin1[lower - 0xDF];
        r.size = folded.copy(r.bytes, folded.size());
    } else if (lower >= 0x80 &&
               (text::LetterClass(lower) & (text::kWordCharacter | text::kOtherLatinLetter)) != 0) {
        r.size = text::EncodeUtf8(lower, r.bytes);
    }
    return r;
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
    char32_t character = 0; // what it stands for, lower-cased; 0 for two characters or more
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
    return {i + 1 - start, invalid ? kReplacementCharacter : value};
}

// The table's entry for a name; nullptr when it has none.
template <typename Char> const NamedReference* LookUpName(const Char* name, std::size_t length) {
    if (length > kLongestName) {
        return nullptr;
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
    return (it != end && it->name == wanted) ? it : nullptr;
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
    const NamedReference* reference = LookUpName(s + start + 1, nameLength);
    if (reference == nullptr) {
        return {};
    }
    return {i + 1 - start, reference->character};
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

void WriteReplacement(char* s, std::size_t& write, char32_t character) {
    const Replacement r = character == 0 ? Replacement{} : ReplacementForCodePoint(character);
    for (const char c : r.utf8()) {
        s[write++] = c;
    }
}

void WriteReplacement(char32_t* s, std::size_t& write, char32_t character) {
    const Replacement r = character == 0 ? Replacement{} : ReplacementForCodePoint(character);
    if (static_cast<unsigned char>(r.bytes[0]) >= 0x80) {
        s[write++] = text::SimpleLowerCase(character);
        return;
    }
    for (const char c : r.utf8()) {
        s[write++] = static_cast<char32_t>(c);
    }
}

template <typename String> bool ReplaceInPlace(String& line) {
    const std::size_t size = line.size();
    std::size_t read = FindAmpersand(line.data(), 0, size);
    if (read == size) {
        return false;
    }
    auto* s = line.data();
    std::size_t write = read;
    bool replaced = false;
    while (read < size) {
        const Match match = MatchReference(s, read, size);
        if (match.length == 0) {
            s[write++] = s[read++]; // the "&" stays
        } else {
            WriteReplacement(s, write, match.character);
            read += match.length;
            replaced = true;
        }
        const std::size_t next = FindAmpersand(s, read, size);
        if (write != read) {
            std::copy(s + read, s + next, s + write);
        }
        write += next - read;
        read = next;
    }
    line.resize(write);
    return replaced;
}

} // namespace

bool ReplaceCharacterReferences(std::string& utf8Line) {
    return ReplaceInPlace(utf8Line);
}

bool ReplaceCharacterReferences(std::u32string& line) {
    return ReplaceInPlace(line);
}

} // namespace orvanta
