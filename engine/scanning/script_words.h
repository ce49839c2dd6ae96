#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

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
    // Receives each word and where in the run it ends. The view is valid during the call only.
    using WordSink = std::function<void(std::string_view word, std::size_t endInRun)>;

    ScriptWordCutter();
    ~ScriptWordCutter();
    ScriptWordCutter(const ScriptWordCutter&) = delete;
    ScriptWordCutter& operator=(const ScriptWordCutter&) = delete;

    // Hands over the words of one run of word characters, in order: the word break iterator's
    // pieces of letters, kana and ideographs (marks and joiners alone are dropped), neighbouring
    // katakana pieces joined into one loanword, and a final σ written ς as in lower-cased Greek.
    // The sink may throw; the cutter is then ready for the next run.
    void cut(std::string_view run, const WordSink& take);

private:
    struct Iterator;
    struct Piece {
        std::size_t start = 0;
        std::size_t end = 0;
        bool katakana = false;
    };

    void cutByBreakRules(std::size_t from, std::size_t to, const WordSink& take);
    void addPiece(const Piece& piece, const WordSink& take);
    void handOver(const WordSink& take);

    std::unique_ptr<Iterator> iterator_; // made at the first run that needs it
    std::string_view run_;
    Piece pending_; // the last piece, held back in case a katakana piece follows
    bool hasPending_ = false;
    std::string finalForm_; // a word whose last σ became ς
};

// Writes a last σ as ς when the word has more than that one letter.
void WriteFinalSigma(std::string& utf8Word);

// Writes every word of text that ends in σ (two code points or more) with ς instead: text is cut
// as a line is, into runs of a-z and words of other scripts.
void WriteFinalSigmas(std::string& utf8Text);

} // namespace orvanta
