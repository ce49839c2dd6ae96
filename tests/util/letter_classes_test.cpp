#include "util/letter_classes.h"
#include "util/nfc.h"

#include <gtest/gtest.h>
#include <string>

namespace orvanta::text {
namespace {

TEST(LetterClasses, WhatACharacterIs) {
    constexpr std::uint8_t W = kWordCharacter;
    constexpr std::uint8_t A = kAlphabeticLetter;
    constexpr std::uint8_t M = kAttachingMark;
    const struct {
        char32_t c;
        std::uint8_t bits;
    } cases[] = {
        {U'a', 0},
        {U'ж', W | A},
        {U'λ', W | A},
        {U'ب', W | A},
        {U'א', W | A},      // Hebrew letters break like others
        {U'가', W | kWide}, // Hangul breaks apart from other letters
        {U'中', W | kWide}, // ideographs go to the dictionary
        {U'ก', W},          // so does Thai
        {U'を', W | kWide | kHiraganaWordPart},
        {U'ア', W | kWide | kKatakanaWordPart},
        {U'ｱ', W | kKatakanaWordPart},                               // half-width
        {0x30FC, W | kWide | kKatakanaWordPart | kHiraganaWordPart}, // ー, a Common letter
        {0xFF9E, W | M | kKatakanaWordPart},                         // half-width voiced mark
        {0x00B5, W | A},                // the micro sign is Common, not Latin
        {0x1D538, W | A},               // 𝔸, double-struck
        {0x0301, W | M | kNotNfcInert}, // combining acute, Inherited
        {0xFE0F, W | M},                // a variation selector
        {0x200C, W | M},                // zero width non-joiner
        {0x200D, W | M},                // zero width joiner
        {U'ø', kOtherLatinLetter},
        {U'ə', kOtherLatinLetter},
        {0x00AA, kOtherLatinLetter},         // ª
        {0xFF41, kOtherLatinLetter | kWide}, // fullwidth ａ
        {0x0663, 0},                         // Arabic-Indic digit three
        {0xFF11, kWide},                     // fullwidth digit one
        {0x216B, 0},                         // Roman numeral twelve (Nl)
        {0x3002, kWide},                     // ideographic full stop
        {U'€', 0},
        // Composition may change these: a singleton and a vowel that joins a Hangul syllable.
        {0x212B, kOtherLatinLetter | kNotNfcInert},
        {0x1161, W | kNotNfcInert},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LetterClass(c.c), c.bits) << std::hex << static_cast<unsigned>(c.c);
    }
}

TEST(Nfc, ComposesOnlyWhatNeedsIt) {
    const struct {
        std::string text;
        bool changed;
        std::string composed;
    } cases[] = {
        {"plain ascii", false, ""},
        {"caf\u00e9", false, ""},
        {"cafe\u0301", true, "caf\u00e9"},
        {"\u212b", true, "\u00c5"},             // the angstrom sign is Å
        {"\u1100\u1161\u11a8", true, "\uac01"}, // Hangul jamo compose to 각
        {"a\u0323\u0302", true, "\u1ead"},      // marks in any order: ậ
    };
    for (const auto& c : cases) {
        std::string out = "untouched";
        EXPECT_EQ(ToNfc(c.text, out), c.changed) << c.text;
        EXPECT_EQ(out, c.changed ? c.composed : "untouched") << c.text;
    }
}

} // namespace
} // namespace orvanta::text
