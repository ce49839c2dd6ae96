#include "engine/preparing/line_preparation.h"

#include "engine/cancel_flag.h"
#include "engine/preparing/character_references.h"
#include "engine/preparing/latin_letters.h"
#include "engine/preparing/long_line_preparation.h"
#include "util/byte_search.h"
#include "util/letter_classes.h"
#include "util/nfc.h"
#include "util/string_utils.h"
#include "util/unicode_lower.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace orvanta {
namespace {

struct Replacement {
    std::string_view from;
    std::string_view to;
};

// Each marker code as a one-character text.
constexpr char kMarkerCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

constexpr std::string_view Marker(char code) {
    return std::string_view(&kMarkerCodes[static_cast<std::size_t>(code)], 1);
}

// Entity rows that run before the tag rows.
constexpr std::array<Replacement, 5> kLeadingEntities = {{
    {"&nbsp;", " "},
    {"&#160;", " "},
    {"&quot;", "\""},
    {"&laquo;", "\""},
    {"&raquo;", "\""},
}};

constexpr std::array<Replacement, 16> kTags = {{
    {"<b>", Marker(MarkBoldOn)},
    {"</b>", Marker(MarkBoldOff)},
    {"<title>", Marker(MarkTitleOn)},
    {"</title>", Marker(MarkTitleOff)},
    {"<h1>", Marker(MarkHeadingH1)},
    {"</h1>", Marker(MarkHeadingOff)},
    {"<h2>", Marker(MarkHeadingH2)},
    {"</h2>", Marker(MarkHeadingOff)},
    {"<h3>", Marker(MarkHeadingH3)},
    {"</h3>", Marker(MarkHeadingOff)},
    {"<h4>", Marker(MarkHeadingH4)},
    {"</h4>", Marker(MarkHeadingOff)},
    {"<h5>", Marker(MarkHeadingH5)},
    {"</h5>", Marker(MarkHeadingOff)},
    {"<h6>", Marker(MarkHeadingH6)},
    {"</h6>", Marker(MarkHeadingOff)},
}};

// Letter entities, in their fixed order. Order matters: a replacement can complete a later
// entity ("&&auml;lig;" becomes "&aelig;", which a later row then replaces).
constexpr std::array<Replacement, 30> kLetterEntities = {{
    {"&auml;", "ae"},  {"&ouml;", "oe"},  {"&uuml;", "ue"},  {"&szlig;", "ss"}, {"&agrave;", "a"},
    {"&aacute;", "a"}, {"&acirc;", "a"},  {"&atilde;", "a"}, {"&aring;", "a"},  {"&aelig;", "ae"},
    {"&ccedil;", "c"}, {"&egrave;", "e"}, {"&eacute;", "e"}, {"&ecirc;", "e"},  {"&euml;", "e"},
    {"&igrave;", "i"}, {"&iacute;", "i"}, {"&icirc;", "i"},  {"&iuml;", "i"},   {"&eth;", "d"},
    {"&ntilde;", "n"}, {"&ograve;", "o"}, {"&oacute;", "o"}, {"&ocirc;", "o"},  {"&otilde;", "o"},
    {"&ugrave;", "u"}, {"&uacute;", "u"}, {"&ucirc;", "u"},  {"&yacute;", "y"}, {"&yuml;", "y"},
}};

// The longest letter entity; a replacement can only complete an entity that starts this close.
constexpr std::size_t kLongestLetterEntity = 8;

bool StartsWith(std::string_view text, std::string_view prefix) {
    // The rows are short; a plain loop beats a library compare here.
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (text[i] != prefix[i]) {
            return false;
        }
    }
    return true;
}

template <std::size_t N>
const Replacement* MatchRow(const std::array<Replacement, N>& rows, std::string_view rest) {
    for (const Replacement& r : rows) {
        // Every row starts with the character rest starts with; compare from the second.
        if (rest.size() > 1 && r.from[1] == rest[1] && StartsWith(rest, r.from)) {
            return &r;
        }
    }
    return nullptr;
}

constexpr char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// MatchRow on text not yet lower-cased (ASCII letters compared in either case).
template <std::size_t N>
const Replacement* MatchRowAnyCase(const std::array<Replacement, N>& rows, std::string_view rest) {
    if (rest.size() < 2) {
        return nullptr;
    }
    const char second = AsciiLower(rest[1]);
    for (const Replacement& r : rows) {
        if (r.from[1] != second || rest.size() < r.from.size()) {
            continue;
        }
        std::size_t i = 2;
        while (i < r.from.size() && AsciiLower(rest[i]) == r.from[i]) {
            ++i;
        }
        if (i == r.from.size()) {
            return &r;
        }
    }
    return nullptr;
}

// Position of the first "&" or "<" at or after from; n when none.
std::size_t NextRowStart(const char* p, std::size_t from, std::size_t n) {
    return text::FindEitherByte(p, from, n, '&', '<');
}

// Only "<b>", "<ti", "<h1" to "<h6" and the same after "</" can begin a tag row; most tags are
// ruled out by their first two letters.
bool MayStartTagRow(std::string_view rest) {
    const std::size_t name = rest.size() > 1 && rest[1] == '/' ? 2 : 1;
    if (rest.size() < name + 2) {
        return false;
    }
    const char first = AsciiLower(rest[name]);
    const char second = AsciiLower(rest[name + 1]);
    return (first == 'b' && second == '>') || (first == 't' && second == 'i') ||
           (first == 'h' && second >= '1' && second <= '6');
}

// True when the output so far ends in an unmatched "&" close enough, and without a ";", that a
// letter replacement written next would complete a letter entity with it.
bool CompletesLetterEntity(const char* out, std::size_t unmatchedAmpersand, std::size_t w) {
    return unmatchedAmpersand != std::string::npos &&
           w - unmatchedAmpersand < kLongestLetterEntity &&
           std::string_view(out + unmatchedAmpersand, w - unmatchedAmpersand).find(';') ==
               std::string_view::npos;
}

// Applies the entity and tag rows in one left-to-right pass, in place (every replacement is
// shorter than what it replaces). Every row begins with "&" or "<" and contains no other "&", so
// the matches in the line never overlap, and the entity and tag rows cannot create matches for
// one another; the pass therefore gives what running the rows one after another gives, except in
// one case: a letter replacement that completes a later letter entity with a preceding "&"
// ("&&auml;lig;"). The pass reports that case by returning false (the line is then unusable) and
// the caller runs the letter rows one by one instead. withLetters false leaves the letter
// entities alone.
bool ReplaceRowsInOnePass(std::string& line, bool withLetters) {
    char* p = line.data();
    const std::size_t n = line.size();
    std::size_t r = 0;
    std::size_t w = 0;
    std::size_t unmatchedAmpersand = std::string::npos; // in the output, since the last entity
    while (r < n) {
        const std::size_t q = NextRowStart(p, r, n);
        if (w != r) {
            std::memmove(p + w, p + r, q - r);
        }
        w += q - r;
        r = q;
        if (r == n) {
            break;
        }
        const std::string_view rest(p + r, n - r);
        const Replacement* hit = nullptr;
        bool letter = false;
        if (p[r] == '<') {
            hit = MayStartTagRow(rest) ? MatchRow(kTags, rest) : nullptr;
        } else {
            hit = MatchRow(kLeadingEntities, rest);
            if (hit == nullptr && withLetters) {
                hit = MatchRow(kLetterEntities, rest);
                letter = hit != nullptr;
            }
        }
        if (hit == nullptr) {
            if (p[r] == '&') {
                unmatchedAmpersand = w;
            }
            p[w++] = p[r++];
            continue;
        }
        if (letter) {
            if (CompletesLetterEntity(p, unmatchedAmpersand, w)) {
                return false;
            }
            unmatchedAmpersand = std::string::npos;
        }
        r += hit->from.size();
        std::memcpy(p + w, hit->to.data(), hit->to.size());
        w += hit->to.size();
    }
    line.resize(w);
    return true;
}

void ReplaceLetterRowsOneByOne(std::string& line) {
    for (const Replacement& r : kLetterEntities) {
        text::ReplaceAll(line, r.from, r.to);
    }
}

using text::kEveryByte;
using text::kHighBits;

// Nonzero when one of the eight bytes of word is "&" or "<".
std::uint64_t HasRowStart(std::uint64_t word) {
    return text::BytesEqualTo(word, '&') | text::BytesEqualTo(word, '<');
}

// Lower-cases eight ASCII bytes: 0x20 is added to every byte from "A" to "Z".
std::uint64_t LowerAsciiWord(std::uint64_t word) {
    const std::uint64_t atLeastA = word + kEveryByte * (0x80 - 'A');
    const std::uint64_t aboveZ = word + kEveryByte * (0x7F - 'Z');
    return word | ((atLeastA & ~aboveZ & kHighBits) >> 2);
}

// The row that starts at rest (an "&" or "<"), rest not yet lower-cased; letter tells whether it
// is a letter entity.
const Replacement* MatchRowAt(std::string_view rest, bool& letter) {
    letter = false;
    if (rest[0] == '<') {
        return MayStartTagRow(rest) ? MatchRowAnyCase(kTags, rest) : nullptr;
    }
    const Replacement* hit = MatchRowAnyCase(kLeadingEntities, rest);
    if (hit == nullptr) {
        hit = MatchRowAnyCase(kLetterEntities, rest);
        letter = hit != nullptr;
    }
    return hit;
}

// Lower-cases one UTF-8 sequence of length bytes at in into line at w (made longer when the
// lower case needs more bytes than the rest of the text). False when its lower case is ASCII
// (a Kelvin sign, a dotted capital I): such a letter could complete a row, which the general
// way handles.
std::string_view FoldedLetter(char32_t c);

// What the one pass over a UTF-8 line saw beyond ASCII, so that the steps after it run only where
// they can change something.
struct BeyondAscii {
    bool any = false;
    bool mayChangeInNfc = false;   // a character that composition may change or combine
    bool otherLatinLetter = false; // a Latin letter that the accent folding leaves
};

void Note(char32_t c, char32_t lower, BeyondAscii& seen) {
    const std::uint8_t letterClass = text::LetterClass(c);
    seen.any = true;
    seen.mayChangeInNfc |= (letterClass & text::kNotNfcInert) != 0;
    seen.otherLatinLetter |=
        (letterClass & text::kOtherLatinLetter) != 0 && FoldedLetter(lower).empty();
}

bool LowerSequence(const char* in, std::size_t length, std::size_t rest, std::string& line,
                   std::size_t& w, BeyondAscii& seen) {
    const char32_t c = text::CodePointAt(std::string_view(in, length), 0, length);
    const char32_t lower = text::SimpleLowerCase(c);
    Note(c, lower, seen);
    if (lower == c) {
        std::memcpy(line.data() + w, in, length);
        w += length;
        return true;
    }
    if (lower < 0x80) {
        return false;
    }
    if (w + 4 + rest > line.size()) {
        line.resize(w + 4 + rest);
    }
    w += text::EncodeUtf8(lower, line.data() + w);
    return true;
}

// Copies lower-cased ASCII from in[r] to out[w] eight bytes at a time, up to the first "&", "<"
// or byte from 0x80, or to the last few bytes of the line. out has room for the rest of in (its
// bytes after the stop are written again later).
void CopyPlainAscii(const char* in, std::size_t n, char* out, std::size_t& r, std::size_t& w) {
    while (r + 8 <= n) {
        std::uint64_t word = 0;
        std::memcpy(&word, in + r, 8);
        // The lowest flagged byte is exact (the borrows of the zero-byte test only flag bytes
        // above a real one).
        const std::uint64_t stops = (word & kHighBits) | HasRowStart(word);
        word = LowerAsciiWord(word);
        std::memcpy(out + w, &word, 8);
        if (stops != 0) {
            const auto plain = static_cast<std::size_t>(std::countr_zero(stops) / 8);
            r += plain;
            w += plain;
            return;
        }
        r += 8;
        w += 8;
    }
}

// How often a long line's preparation looks at the cancel flag.
constexpr std::size_t kCancelCheckBytes = 1 << 20;

// Lower-cases a UTF-8 line and applies the fixed rows in the same pass, writing line (the one
// pass of ReplaceRowsInOnePass, reading the raw text). False, with line unusable, when the text
// is not valid UTF-8, has a letter whose lower case is ASCII, or a letter replacement completes a
// later letter entity: the caller then takes the general way. seen tells what the text had
// beyond ASCII.
bool PrepareUtf8Line(std::string_view text, std::string& line, const std::atomic<bool>* cancel,
                     BeyondAscii& seen) {
    // Room for the sentinel too, so that appending it never copies a long line.
    line.reserve(text.size() + 1);
    line.resize(text.size());
    const char* in = text.data();
    const std::size_t n = text.size();
    std::size_t r = 0;
    std::size_t w = 0;
    std::size_t unmatchedAmpersand = std::string::npos; // in the output, since the last entity
    std::size_t nextCancelCheck = kCancelCheckBytes;
    while (r < n) {
        if (r >= nextCancelCheck) {
            if (IsCancelled(cancel)) {
                return false;
            }
            nextCancelCheck = r + kCancelCheckBytes;
        }
        CopyPlainAscii(in, n, line.data(), r, w);
        if (r == n) {
            break;
        }
        const auto c = static_cast<unsigned char>(in[r]);
        if (c < 0x80 && c != '&' && c != '<') {
            line[w++] = AsciiLower(in[r++]); // the last few bytes of the line
            continue;
        }
        if (c >= 0x80) {
            const std::size_t length = text::ValidUtf8SequenceLength(text, r);
            if (length == 0 || !LowerSequence(in + r, length, n - r - length, line, w, seen)) {
                return false;
            }
            r += length;
            continue;
        }
        bool letter = false;
        const Replacement* hit = MatchRowAt(std::string_view(in + r, n - r), letter);
        if (hit == nullptr) {
            if (in[r] == '&') {
                unmatchedAmpersand = w;
            }
            line[w++] = in[r++];
            continue;
        }
        if (letter) {
            if (CompletesLetterEntity(line.data(), unmatchedAmpersand, w)) {
                return false;
            }
            unmatchedAmpersand = std::string::npos;
        }
        r += hit->from.size();
        std::memcpy(line.data() + w, hit->to.data(), hit->to.size());
        w += hit->to.size();
    }
    line.resize(w);
    return true;
}

std::string_view FoldedLetter(char32_t c) {
    switch (c) {
    case U'ä':
        return "ae";
    case U'ö':
        return "oe";
    case U'ü':
        return "ue";
    case U'ß':
        return "ss";
    case U'à':
    case U'á':
    case U'â':
    case U'ã':
    case U'å':
        return "a";
    case U'æ':
        return "ae";
    case U'ç':
        return "c";
    case U'è':
    case U'é':
    case U'ê':
    case U'ë':
        return "e";
    case U'ì':
    case U'í':
    case U'î':
    case U'ï':
        return "i";
    case U'ð':
        return "d";
    case U'ñ':
        return "n";
    case U'ò':
    case U'ó':
    case U'ô':
    case U'õ':
        return "o";
    case U'ù':
    case U'ú':
    case U'û':
        return "u";
    case U'ý':
    case U'ÿ':
        return "y";
    default:
        return {};
    }
}

// The folded letters are U+00DF to U+00FF, two bytes in UTF-8 starting with 0xC3; each folds to
// at most two ASCII letters, so the line is rewritten in place.
void FoldAccentedLettersUtf8(std::string& line) {
    char* p = line.data();
    const std::size_t n = line.size();
    const void* first = std::memchr(p, 0xC3, n);
    if (first == nullptr) {
        return;
    }
    std::size_t r = static_cast<std::size_t>(static_cast<const char*>(first) - p);
    std::size_t w = r;
    while (r < n) {
        if (static_cast<unsigned char>(p[r]) == 0xC3 && r + 1 < n) {
            const char32_t c = 0xC0 + (static_cast<unsigned char>(p[r + 1]) & 0x3F);
            const std::string_view folded = FoldedLetter(c);
            if (!folded.empty()) {
                std::memcpy(p + w, folded.data(), folded.size());
                w += folded.size();
                r += 2;
                continue;
            }
        }
        p[w++] = p[r++];
    }
    line.resize(w);
}

// Holds a legacy line's UTF-8 form while it is lower-cased; released after a huge line.
std::string& DecodeScratch() {
    thread_local std::string scratch;
    return scratch;
}

constexpr std::size_t kScratchKept = 1 << 20;

// The decoded line, trimmed and lower-cased, in line. False when nothing is left after trimming.
bool LowerCasedLine(std::string_view rawBytes, std::string& line,
                    const text::LineDecoder& decoder) {
    std::string& scratch = DecodeScratch();
    const std::string_view decoded = decoder.decode(rawBytes, scratch);
    // Spaces are ASCII in every encoding the decoders read, and no character lower-cases to one,
    // so trimming can come first.
    const std::string_view trimmed = text::TrimSpaces(decoded);
    if (trimmed.empty()) {
        line.clear();
        return false;
    }
    std::string composed;
    if (text::ToNfc(trimmed, composed)) {
        line.reserve(composed.size() + 1);
        text::LowerCaseUtf8(composed, line);
        return true;
    }
    if (decoded.data() != scratch.data()) {
        // Room for the sentinel too, so that appending it never copies a long line.
        line.reserve(trimmed.size() + 1);
        text::LowerCaseUtf8(trimmed, line);
        return true;
    }
    // The decoder wrote scratch: lower-case it where it is and hand its buffer over, so that a
    // huge legacy line is not held three times.
    scratch.resize(static_cast<std::size_t>(trimmed.data() - scratch.data()) + trimmed.size());
    scratch.erase(0, static_cast<std::size_t>(trimmed.data() - scratch.data()));
    text::LowerCaseUtf8InPlace(scratch);
    line.swap(scratch);
    line.reserve(line.size() + 1);
    if (scratch.capacity() > kScratchKept) {
        std::string().swap(scratch);
    }
    return true;
}

// Applies the fixed rows to the lower-cased line.
void ReplaceFixedRows(std::string& line, std::string_view rawBytes,
                      const text::LineDecoder& decoder) {
    // Every entity ends in ";": without one, only tag rows can match.
    const bool entitiesPossible = line.find(';') != std::string::npos;
    if (ReplaceRowsInOnePass(line, entitiesPossible)) {
        return;
    }
    LowerCasedLine(rawBytes, line, decoder);
    ReplaceRowsInOnePass(line, false);
    ReplaceLetterRowsOneByOne(line);
}

} // namespace

void FoldAccentedLetters(std::u32string& text) {
    bool any = false;
    for (const char32_t c : text) {
        if (c >= 0xDF && c <= 0xFF) {
            any = true;
            break;
        }
    }
    if (!any) {
        return;
    }
    std::u32string out;
    out.reserve(text.size() + 8);
    for (const char32_t c : text) {
        const std::string_view folded = FoldedLetter(c);
        if (folded.empty()) {
            out.push_back(c);
        } else {
            out.append(folded.begin(), folded.end());
        }
    }
    text = std::move(out);
}

namespace {

// The UTF-8 way of PrepareText: true when it could take it. Text in another form than NFC is put
// in NFC first.
bool PrepareValidUtf8(std::string_view trimmed, std::string& line, const std::atomic<bool>* cancel,
                      BeyondAscii& seen) {
    std::string composed;
    std::string_view text = trimmed;
    // One call site keeps the pass inlined here; the second round is rare.
    for (;;) {
        if (!PrepareUtf8Line(text, line, cancel, seen)) {
            return false;
        }
        if (!seen.mayChangeInNfc || !composed.empty() || !text::ToNfc(trimmed, composed)) {
            return true;
        }
        text = composed;
        seen = {};
    }
}

} // namespace

bool PrepareText(std::string_view rawBytes, std::string& line, const text::LineDecoder& decoder,
                 const std::atomic<bool>* cancel) {
    // Most lines are UTF-8 (mostly ASCII): decoding, lower-casing and the rows then take one pass
    // together. Spaces are ASCII in every encoding the decoders read, so trimming can come first.
    const std::string_view trimmed = text::TrimSpaces(rawBytes);
    BeyondAscii seen;
    const bool done = decoder.keepsUtf8Lines() && !trimmed.empty() &&
                      PrepareValidUtf8(trimmed, line, cancel, seen);
    if (!done && IsCancelled(cancel)) {
        line.clear();
        return false;
    }
    if (!done) {
        if (line.capacity() > kScratchKept) {
            // A huge line that was not UTF-8 after all: free the attempt's buffer before the
            // decoder makes its own, so that the line is not held three times.
            std::string().swap(line);
        }
        if (!LowerCasedLine(rawBytes, line, decoder)) {
            return false;
        }
        ReplaceFixedRows(line, rawBytes, decoder);
        seen = {true, true, true};
    }
    // The references the fixed rows left, before the folding, so that "&#228;" folds like "ä".
    // A line of ASCII whose references gave only ASCII has nothing to fold.
    const bool referencesReplaced = ReplaceCharacterReferences(line);
    if (referencesReplaced || seen.any) {
        FoldAccentedLettersUtf8(line);
    }
    if (referencesReplaced || seen.otherLatinLetter) {
        FoldOtherLatinLetters(line);
    }
    return true;
}

bool PrepareLine(std::string_view rawBytes, std::string& line, const text::LineDecoder& decoder,
                 const std::atomic<bool>* cancel) {
    if (rawBytes.size() > kLongLineBytes && CanPrepareInPieces(decoder)) {
        return PrepareLongLine(rawBytes, line, decoder, cancel);
    }
    if (!PrepareText(rawBytes, line, decoder, cancel)) {
        return false;
    }
    line.push_back(' ');
    return true;
}

} // namespace orvanta
