#pragma once

#include <cstdint>
#include <string_view>

namespace orvanta::text {

// What the engine asks of a character other than a-z, from the Unicode properties of the
// system's ICU library (general category, script, word break class, East Asian width). A
// character can have several of these bits.
enum LetterClassBit : std::uint8_t {
    // A letter or mark (Lu, Ll, Lt, Lm, Lo, Mn, Mc) of a script other than Latin (Common and
    // Inherited included), or a zero width non-joiner or joiner: words of other scripts are made
    // of these.
    kWordCharacter = 1u << 0,
    // A Latin letter (Lu, Ll, Lt, Lm, Lo) other than a-z: folded to a-z where it can be.
    kOtherLatinLetter = 1u << 1,
    // A word character that the word break rules keep in one word with any neighbour of this
    // kind: an alphabetic letter (word break class ALetter or Hebrew_Letter) that is no
    // ideograph, kana, Hangul, wide letter or letter of a script written without spaces.
    kAlphabeticLetter = 1u << 2,
    // A word character that attaches to the letter before it (word break class Extend, Format
    // or ZWJ), of no script written without spaces.
    kAttachingMark = 1u << 3,
    // East Asian width Wide or Fullwidth.
    kWide = 1u << 4,
    // Katakana, the prolonged sound marks and the half-width voiced marks: what a katakana word
    // is made of.
    kKatakanaWordPart = 1u << 5,
    // Hiragana and the prolonged sound mark: what a word of particles and endings is made of.
    kHiraganaWordPart = 1u << 6,
    // A character that Normalization Form C may change or combine with its neighbours (its NFC
    // quick check is not Yes, or its combining class is not 0). A text without one is in NFC.
    kNotNfcInert = 1u << 7,
};

std::uint8_t LetterClass(char32_t c);

// True when every character of the valid UTF-8 text has one of the bits.
bool AllCharactersHave(std::string_view validUtf8, std::uint8_t bits);

} // namespace orvanta::text
