#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

class RunHost;
class WordAcceptor;

// Where in the document the scanner stands. Carries from line to line within a run.
struct ScannerState {
    bool inComment = false;
    bool inStyle = false;
    bool inScript = false;
    bool inTag = false;
    bool fontTagOpen = false;
    bool inBold = false;
    bool inTitle = false;
    bool inDescription = false;
    bool inKeywords = false;
    std::int64_t tagDepth = 0;
    std::int64_t tableDepth = 0;
    int headingCode = 0;
    int fontSize = 3;
    std::vector<int> fontStack;
};

// Walks prepared lines character by character: drops comments, styles, scripts, tag interiors and
// (with table weight 0) tables; follows the title, headings, bold text, tables, font sizes and the
// content of the description and keywords meta tags; hands every run of letters to word
// acceptance together with the weight of the occurrence.
class MarkupScanner {
public:
    MarkupScanner(RunHost& host, WordAcceptor& acceptor);

    // line must be prepared (it ends in the one-space sentinel).
    void scanLine(const std::u32string& line);

    // Weight of an occurrence at the current position.
    float occurrenceWeight() const;

    const ScannerState& state() const { return state_; }

private:
    // Result of one region check at the current position.
    enum class RegionResult { NotApplicable, Skipped, LineDone };

    RegionResult checkRegion(bool& flag, std::u32string_view opening, std::u32string_view closing);
    void scanTag();
    void readMetaTag();
    void readFontTag();
    void closeFontTag();
    bool skipTable();
    void takeWord();
    char32_t at(std::size_t p) const;
    bool startsAt(std::u32string_view text) const;
    int tableWeight() const;

    RunHost& host_;
    WordAcceptor& acceptor_;
    ScannerState state_;
    std::u32string_view line_;
    std::size_t pos_ = 0;
};

// A "<" opens a tag only when a letter, "/", "!" or "?" follows it; any other "<" is text.
bool OpensTag(std::u32string_view line, std::size_t p);

// Next ">" (and, with withOpening, next tag-opening "<") at or after from, stepping over quoted
// attribute values (a quote whose nearest preceding non-space character is "="); line.size() when
// there is none on the line.
std::size_t NextTagBracket(std::u32string_view line, std::size_t from, bool withOpening);

} // namespace orvanta
