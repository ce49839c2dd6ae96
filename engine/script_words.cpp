#include "engine/script_words.h"

#include "util/letter_classes.h"

#include <cstring>
#include <unicode/brkiter.h>
#include <unicode/utext.h>

namespace orvanta {
namespace {

using text::CodePointAt;
using text::LetterClass;

// Word piece statuses of the break iterator: letters, kana and ideographs.
constexpr int32_t kFirstWordStatus = UBRK_WORD_LETTER;
constexpr int32_t kWordStatusLimit = UBRK_WORD_IDEO_LIMIT;

constexpr std::string_view kSmallSigma = "\xCF\x83"; // σ
constexpr char kFinalSigmaLastByte = '\x82';         // ς is CF 82

bool AllCharactersHave(std::string_view word, std::uint8_t bits) {
    for (std::size_t i = 0, length = 0; i < word.size(); i += length) {
        if ((LetterClass(CodePointAt(word, i, length)) & bits) == 0) {
            return false;
        }
    }
    return true;
}

// True when the break rules keep the whole run as one word: alphabetic letters, each followed
// by any marks or joiners, and nothing that goes to a dictionary.
bool IsOneAlphabeticWord(std::string_view run) {
    std::size_t length = 0;
    if ((LetterClass(CodePointAt(run, 0, length)) & text::kAlphabeticLetter) == 0) {
        return false;
    }
    return AllCharactersHave(run.substr(length), text::kAlphabeticLetter | text::kAttachingMark);
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

const std::vector<std::string_view>& ScriptWordCutter::cut(std::string_view run) {
    words_.clear();
    wordEnds_.clear();
    run_ = run;
    rewritten_.clear();
    // Rewritten words never need more room than the run: the views into it stay put.
    rewritten_.reserve(run.size());
    lastWasKatakana_ = false;
    if (IsOneAlphabeticWord(run)) {
        words_.push_back(run);
        wordEnds_.push_back(run.size());
    } else {
        cutByBreakRules(run);
    }
    endWords();
    return words_;
}

void ScriptWordCutter::cutByBreakRules(std::string_view run) {
    if (!iterator_) {
        iterator_ = std::make_unique<Iterator>();
    }
    UErrorCode status = U_ZERO_ERROR;
    iterator_->text =
        utext_openUTF8(iterator_->text, run.data(), static_cast<int64_t>(run.size()), &status);
    icu::BreakIterator& words = *iterator_->words;
    words.setText(iterator_->text, status);
    if (U_FAILURE(status)) {
        return;
    }
    int32_t start = words.first();
    for (int32_t end = words.next(); end != icu::BreakIterator::DONE; end = words.next()) {
        const int32_t kind = words.getRuleStatus();
        if (kind >= kFirstWordStatus && kind < kWordStatusLimit) {
            addPiece(
                run.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)));
        }
        start = end;
    }
}

// Adds one word piece, joining it to the word before when both are katakana.
void ScriptWordCutter::addPiece(std::string_view piece) {
    const bool katakana = AllCharactersHave(piece, text::kKatakanaWordPart);
    const std::size_t end = static_cast<std::size_t>(piece.data() - run_.data()) + piece.size();
    if (!(katakana && lastWasKatakana_)) {
        words_.push_back(piece);
        wordEnds_.push_back(end);
        lastWasKatakana_ = katakana;
        return;
    }
    wordEnds_.back() = end;
    std::string_view& last = words_.back();
    if (last.data() + last.size() == piece.data()) {
        last = std::string_view(last.data(), last.size() + piece.size());
        return;
    }
    // A dropped piece stood between the two: the word is written out.
    const std::size_t at = rewritten_.size();
    rewritten_.append(last).append(piece);
    last = std::string_view(rewritten_).substr(at);
}

// Gives the words that end in σ their final form.
void ScriptWordCutter::endWords() {
    for (std::string_view& word : words_) {
        if (!EndsInSigmaAfterMore(word)) {
            continue;
        }
        const std::size_t at = rewritten_.size();
        rewritten_.append(word);
        rewritten_.back() = kFinalSigmaLastByte;
        word = std::string_view(rewritten_).substr(at);
    }
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
        const std::vector<std::string_view>& words = cutter.cut({utf8Text.data() + p, end - p});
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (words[i].back() == kFinalSigmaLastByte) {
                utf8Text[p + cutter.wordEnds()[i] - 1] = kFinalSigmaLastByte;
            }
        }
        p = end;
    }
}

} // namespace orvanta
