#include "engine/scanning/script_words.h"

#include "util/letter_classes.h"
#include "util/text_codec.h"

#include <unicode/brkiter.h>
#include <unicode/utext.h>

namespace orvanta {
namespace {

using text::AllCharactersHave;
using text::CodePointAt;
using text::LetterClass;

// Word piece statuses of the break iterator: letters, kana and ideographs.
constexpr int32_t kFirstWordStatus = UBRK_WORD_LETTER;
constexpr int32_t kWordStatusLimit = UBRK_WORD_IDEO_LIMIT;

constexpr std::string_view kSmallSigma = "\xCF\x83"; // σ
constexpr char kFinalSigmaLastByte = '\x82';         // ς is CF 82

// True when the break rules keep the whole run as one word: alphabetic letters, each followed
// by any marks or joiners, and nothing that goes to a dictionary.
bool IsOneAlphabeticWord(std::string_view run) {
    std::size_t length = 0;
    if ((LetterClass(CodePointAt(run, 0, length)) & text::kAlphabeticLetter) == 0) {
        return false;
    }
    return AllCharactersHave(run.substr(length), text::kAlphabeticLetter | text::kAttachingMark);
}

// A run longer than this is cut in parts of about this size, at a character, before the break
// iterator sees it: the iterator's dictionary holds work for a whole stretch of ideographs, and a
// page may hold megabytes of them without a stop. Real text has a stop long before.
constexpr std::size_t kLongestRunPart = 1 << 20;

std::size_t PartOfRunEnd(std::string_view run, std::size_t from) {
    if (run.size() - from <= kLongestRunPart) {
        return run.size();
    }
    std::size_t to = from + kLongestRunPart;
    while (text::IsUtf8ContinuationByte(run[to])) {
        --to; // back to the start of a character
    }
    return to;
}

bool EndsInSigmaAfterMore(std::string_view word) {
    return word.size() > kSmallSigma.size() && word.ends_with(kSmallSigma);
}

} // namespace

std::size_t WordCharacterAt(std::string_view line, std::size_t p) {
    if (p >= line.size() || static_cast<unsigned char>(line[p]) < 0x80) {
        return 0;
    }
    std::size_t length = 0;
    const char32_t c = CodePointAt(line, p, length);
    return (LetterClass(c) & text::kWordCharacter) != 0 ? length : 0;
}

std::size_t WordCharacterRunEnd(std::string_view line, std::size_t p) {
    for (std::size_t length = WordCharacterAt(line, p); length != 0;
         length = WordCharacterAt(line, p)) {
        p += length;
    }
    return p;
}

struct ScriptWordCutter::Iterator {
    std::unique_ptr<icu::BreakIterator> words;
    UText* text = nullptr;

    Iterator() {
        UErrorCode status = U_ZERO_ERROR;
        words.reset(icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
    }
    ~Iterator() { utext_close(text); }
};

ScriptWordCutter::ScriptWordCutter() = default;
ScriptWordCutter::~ScriptWordCutter() = default;

void ScriptWordCutter::cut(std::string_view run, const WordSink& take) {
    run_ = run;
    hasPending_ = false;
    for (std::size_t from = 0; from < run.size();) {
        const std::size_t to = PartOfRunEnd(run, from);
        const std::string_view part = run.substr(from, to - from);
        if (IsOneAlphabeticWord(part)) {
            addPiece({from, to, false}, take);
        } else {
            cutByBreakRules(from, to, take);
        }
        from = to;
    }
    if (hasPending_) {
        hasPending_ = false;
        handOver(take);
    }
}

void ScriptWordCutter::cutByBreakRules(std::size_t from, std::size_t to, const WordSink& take) {
    if (!iterator_) {
        iterator_ = std::make_unique<Iterator>();
    }
    if (!iterator_->words) {
        return; // ICU without its word break data: no words of this kind
    }
    UErrorCode status = U_ZERO_ERROR;
    iterator_->text = utext_openUTF8(iterator_->text, run_.data() + from,
                                     static_cast<int64_t>(to - from), &status);
    icu::BreakIterator& words = *iterator_->words;
    words.setText(iterator_->text, status);
    if (U_FAILURE(status)) {
        return;
    }
    auto start = static_cast<std::size_t>(words.first());
    for (int32_t end = words.next(); end != icu::BreakIterator::DONE; end = words.next()) {
        const int32_t kind = words.getRuleStatus();
        const std::size_t pieceEnd = from + static_cast<std::size_t>(end);
        if (kind >= kFirstWordStatus && kind < kWordStatusLimit) {
            const std::string_view text = run_.substr(from + start, pieceEnd - from - start);
            addPiece({from + start, pieceEnd, AllCharactersHave(text, text::kKatakanaWordPart)},
                     take);
        }
        start = static_cast<std::size_t>(end);
    }
}

// Holds the piece back, or joins it to the one held back when both are katakana. Marks alone,
// the only pieces dropped, stand at the start of a run, so joined pieces are always neighbours.
void ScriptWordCutter::addPiece(const Piece& piece, const WordSink& take) {
    if (hasPending_ && piece.katakana && pending_.katakana && pending_.end == piece.start) {
        pending_.end = piece.end;
        return;
    }
    if (hasPending_) {
        handOver(take);
    }
    pending_ = piece;
    hasPending_ = true;
}

void ScriptWordCutter::handOver(const WordSink& take) {
    const std::string_view word = run_.substr(pending_.start, pending_.end - pending_.start);
    if (!EndsInSigmaAfterMore(word)) {
        take(word, pending_.end);
        return;
    }
    finalForm_.assign(word);
    WriteFinalSigma(finalForm_);
    take(finalForm_, pending_.end);
}

void WriteFinalSigma(std::string& utf8Word) {
    if (EndsInSigmaAfterMore(utf8Word)) {
        utf8Word.back() = kFinalSigmaLastByte;
    }
}

void WriteFinalSigmas(std::string& utf8Text) {
    ScriptWordCutter cutter;
    for (std::size_t p = 0; p < utf8Text.size();) {
        const std::size_t end = WordCharacterRunEnd(utf8Text, p);
        if (end == p) {
            ++p;
            continue;
        }
        // A word handed over in its final form ends in the byte that tells ς from σ; every
        // other word's last byte is written back as it is.
        cutter.cut(std::string_view(utf8Text).substr(p, end - p),
                   [&](std::string_view word, std::size_t endInRun) {
                       utf8Text[p + endInRun - 1] = word.back();
                   });
        p = end;
    }
}

} // namespace orvanta
