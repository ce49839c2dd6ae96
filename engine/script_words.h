#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// Words of scripts other than Latin. Their letters are word characters (see text::LetterClass);
// a run of them is cut into words by the Unicode word break rules (ICU's word break iterator,
// root locale), so that Chinese and Japanese, written without spaces, give words too.

// The length in bytes of the word character that starts at line[p] (valid UTF-8); 0 when none
// does.
std::size_t WordCharacterAt(std::string_view line, std::size_t p);

// The end of the run of word characters that starts at line[p].
std::size_t WordCharacterRunEnd(std::string_view line, std::size_t p);

class ScriptWordCutter {
public:
    ScriptWordCutter();
    ~ScriptWordCutter();
    ScriptWordCutter(const ScriptWordCutter&) = delete;
    ScriptWordCutter& operator=(const ScriptWordCutter&) = delete;

    // The words of one run of word characters, in order: the word break iterator's pieces of
    // letters, kana and ideographs (marks and joiners alone are dropped), neighbouring katakana
    // pieces joined into one loanword, and a final σ written ς as in lower-cased Greek. The
    // views stay valid until the next call.
    const std::vector<std::string_view>& cut(std::string_view run);

    // Where in the run the last cut's words end, in the same order.
    const std::vector<std::size_t>& wordEnds() const { return wordEnds_; }

private:
    struct Iterator;

    void cutByBreakRules(std::string_view run);
    void addPiece(std::string_view piece);
    void endWords();

    std::unique_ptr<Iterator> iterator_; // made at the first run that needs it
    std::vector<std::string_view> words_;
    std::vector<std::size_t> wordEnds_;
    std::string_view run_;
    std::string rewritten_; // words that are not one stretch of the run as written
    bool lastWasKatakana_ = false;
};

// Writes a last σ as ς when the word has more than that one letter.
void WriteFinalSigma(std::string& utf8Word);

// Writes every word of text that ends in σ (two code points or more) with ς instead: text is cut
// as a line is, into runs of a-z and words of other scripts.
void WriteFinalSigmas(std::string& utf8Text);

} // namespace orvanta
