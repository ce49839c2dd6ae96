#include "util/letter_classes.h"

#include <array>
#include <memory>
#include <unicode/uchar.h>
#include <unicode/uscript.h>

namespace orvanta::text {
namespace {

constexpr char32_t kZeroWidthNonJoiner = 0x200C;
constexpr char32_t kZeroWidthJoiner = 0x200D;
constexpr char32_t kProlongedSoundMark = 0x30FC;
constexpr char32_t kHalfwidthProlongedSoundMark = 0xFF70;
constexpr char32_t kHalfwidthVoicedMark = 0xFF9E;
constexpr char32_t kHalfwidthSemiVoicedMark = 0xFF9F;

bool IsLetterOrMark(char32_t c) {
    return (U_GET_GC_MASK(c) & (U_GC_L_MASK | U_GC_MN_MASK | U_GC_MC_MASK)) != 0;
}

UScriptCode ScriptOf(char32_t c) {
    UErrorCode status = U_ZERO_ERROR;
    return uscript_getScript(static_cast<UChar32>(c), &status);
}

// Characters the word break iterator treats apart from other letters: ideographs and kana (a
// dictionary cuts them), the scripts written without spaces (line break class Complex_Context),
// and the wide letters of East Asia and Hangul, which break from letters of other scripts.
bool BreaksApart(char32_t c, UScriptCode script, bool wide) {
    return wide || script == USCRIPT_HAN || script == USCRIPT_HIRAGANA ||
           script == USCRIPT_KATAKANA || script == USCRIPT_HANGUL ||
           u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_LINE_BREAK) == U_LB_COMPLEX_CONTEXT;
}

std::uint8_t WordBreakBits(char32_t c, UScriptCode script, bool wide) {
    if (BreaksApart(c, script, wide)) {
        return 0;
    }
    switch (u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_WORD_BREAK)) {
    case U_WB_ALETTER:
    case U_WB_HEBREW_LETTER:
        return kAlphabeticLetter;
    case U_WB_EXTEND:
    case U_WB_FORMAT:
    case U_WB_ZWJ:
        return kAttachingMark;
    default:
        return 0;
    }
}

std::uint8_t KanaBits(char32_t c, UScriptCode script) {
    std::uint8_t bits = 0;
    if (script == USCRIPT_KATAKANA || c == kProlongedSoundMark ||
        c == kHalfwidthProlongedSoundMark || c == kHalfwidthVoicedMark ||
        c == kHalfwidthSemiVoicedMark) {
        bits |= kKatakanaWordPart;
    }
    if (script == USCRIPT_HIRAGANA || c == kProlongedSoundMark) {
        bits |= kHiraganaWordPart;
    }
    return bits;
}

std::uint8_t ComputeLetterClass(char32_t c) {
    if (c >= 'a' && c <= 'z') {
        return 0;
    }
    const int width = u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_EAST_ASIAN_WIDTH);
    const bool wide = width == U_EA_WIDE || width == U_EA_FULLWIDTH;
    std::uint8_t bits = wide ? kWide : 0;
    const UScriptCode script = ScriptOf(c);
    if (script == USCRIPT_LATIN) {
        const bool letter = (U_GET_GC_MASK(c) & U_GC_L_MASK) != 0;
        return letter ? bits | kOtherLatinLetter : bits;
    }
    if (IsLetterOrMark(c) || c == kZeroWidthNonJoiner || c == kZeroWidthJoiner) {
        bits |= kWordCharacter | WordBreakBits(c, script, wide) | KanaBits(c, script);
    }
    return bits;
}

// The Basic Multilingual Plane, looked up at every character of a page in another script.
using PlaneTable = std::array<std::uint8_t, 0x10000>;

std::unique_ptr<PlaneTable> MakePlaneTable() {
    auto table = std::make_unique<PlaneTable>();
    for (char32_t c = 0; c < 0x10000; ++c) {
        (*table)[c] = ComputeLetterClass(c);
    }
    return table;
}

} // namespace

std::uint8_t LetterClass(char32_t c) {
    static const std::unique_ptr<PlaneTable> plane = MakePlaneTable();
    return c < 0x10000 ? (*plane)[c] : ComputeLetterClass(c);
}

} // namespace orvanta::text
