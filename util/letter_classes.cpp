#include "util/letter_classes.h"

#include "util/text_codec.h"

#include <array>
#include <atomic>
#include <memory>
#include <unicode/uchar.h>
#include <unicode/unorm2.h>
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

std::uint8_t LetterBits(char32_t c) {
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

bool IsNfcInert(char32_t c) {
    const auto cp = static_cast<UChar32>(c);
    return u_getIntPropertyValue(cp, UCHAR_NFC_QUICK_CHECK) == UNORM_YES &&
           u_getCombiningClass(cp) == 0;
}

std::uint8_t ComputeLetterClass(char32_t c) {
    if (c >= 'a' && c <= 'z') {
        return 0;
    }
    if (!IsNfcInert(c)) {
        return LetterBits(c) | kNotNfcInert;
    }
    return LetterBits(c);
}

// The Basic Multilingual Plane, looked up at every character of a page in another script, in
// blocks of 256 characters filled at their first use: a page needs only the blocks of its
// scripts. A block is published whole; two threads that fill one at once keep the first.
constexpr std::size_t kBlockBits = 8;
constexpr std::size_t kBlockCount = 0x10000 >> kBlockBits;
using Block = std::array<std::uint8_t, std::size_t{1} << kBlockBits>;

std::array<std::atomic<const Block*>, kBlockCount> gBlocks{};

const Block& FilledBlock(std::size_t index) {
    auto block = std::make_unique<Block>();
    const char32_t first = static_cast<char32_t>(index << kBlockBits);
    for (std::size_t i = 0; i < block->size(); ++i) {
        (*block)[i] = ComputeLetterClass(first + static_cast<char32_t>(i));
    }
    const Block* expected = nullptr;
    if (gBlocks[index].compare_exchange_strong(expected, block.get(), std::memory_order_acq_rel)) {
        return *block.release(); // kept for the life of the program
    }
    return *expected;
}

} // namespace

bool AllCharactersHave(std::string_view validUtf8, std::uint8_t bits) {
    for (std::size_t i = 0, length = 0; i < validUtf8.size(); i += length) {
        if ((LetterClass(CodePointAt(validUtf8, i, length)) & bits) == 0) {
            return false;
        }
    }
    return true;
}

std::uint8_t LetterClass(char32_t c) {
    if (c >= 0x10000) {
        return ComputeLetterClass(c);
    }
    const std::size_t index = c >> kBlockBits;
    const Block* block = gBlocks[index].load(std::memory_order_acquire);
    return (block != nullptr ? *block : FilledBlock(index))[c & ((1u << kBlockBits) - 1)];
}

} // namespace orvanta::text
