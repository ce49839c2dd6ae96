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
        std::uint8_t bits;
        std::u32string characters;
    } rows[] = {
        {0, U"a\u0663\u216B€"}, // an Arabic-Indic digit, a Roman numeral (Nl)
        // Letters of alphabetic scripts (Hebrew breaks like the others); the micro sign is
        // Common, not Latin; 𝔸 is double-struck.
        {W | A, U"жλبא\u00B5\U0001D538"},
        // Hangul breaks apart from other letters; ideographs and Thai go to the dictionary.
        {W | kWide, U"가中"},
        {W, U"ก"},
        {W | kWide | kHiraganaWordPart, U"を"},
        {W | kWide | kKatakanaWordPart, U"ア"},
        {W | kKatakanaWordPart, U"ｱ"},                              // half-width
        {W | kWide | kKatakanaWordPart | kHiraganaWordPart, U"ー"}, // a Common letter
        {W | M | kKatakanaWordPart, U"\uFF9E"},                     // half-width voiced mark
        // Combining acute (Inherited), a variation selector, the zero width (non-)joiner.
        {W | M | kNotNfcInert, U"\u0301"},
        {W | M, U"\uFE0F\u200C\u200D"},
        {kOtherLatinLetter, U"øəª"},
        {kOtherLatinLetter | kWide, U"ａ"},
        {kWide, U"１。"}, // fullwidth digit, ideographic full stop
        // Composition may change these: a singleton and a vowel that joins a Hangul syllable.
        {kOtherLatinLetter | kNotNfcInert, U"\u212B"},
        {W | kNotNfcInert, U"\u1161"},
    };
    for (const auto& r : rows) {
        for (const char32_t c : r.characters) {
            EXPECT_EQ(LetterClass(c), r.bits) << std::hex << static_cast<unsigned>(c);
        }
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
