#pragma once

#include "engine/scanning/script_words.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

class RunHost;
class WordAcceptor;
struct AnalysisSettings;

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

// Searches of one line that the scanner repeats at ever later positions. Each answer is kept and
// reused while it still lies ahead, so one long line costs linear time however many tags it has.
class LineSearches {
public:
    void reset(std::string_view line);
    // First occurrence of text at or after from; the line's length when none.
    std::size_t next(std::string_view text, std::size_t from);
    // True when text occurs in the line with its spaces removed, starting at or after from.
    bool occursWithoutSpaces(std::string_view text, std::size_t from);

private:
    struct Cached {
        std::string_view text;
        std::size_t from = 0;
        std::size_t found = 0;
    };
    std::string_view line_;
    std::vector<Cached> next_;
    std::vector<Cached> lastWithoutSpaces_;
};

// Walks prepared lines character by character: drops comments, styles, scripts, tag interiors and
// (with table weight 0) tables; follows the title, headings, bold text, tables, font sizes and the
// content of the description and keywords meta tags; hands every run of letters a-z, and every
// word of a run of letters of other scripts, to word acceptance together with the weight of the
// occurrence.
class MarkupScanner {
public:
    MarkupScanner(RunHost& host, WordAcceptor& acceptor);

    // line must be prepared (UTF-8 ending in the one-space sentinel). Every character of the markup
    // is ASCII, so it walks bytes; at a byte from 0x80 it reads the character: a run of letters of
    // other scripts gives words, any other character separates them.
    void scanLine(std::string_view line);

    // Weight of an occurrence at the current position.
    float occurrenceWeight() const;

private:
    // Result of one region check at the current position.
    enum class RegionResult { NotApplicable, Skipped, LineDone };

    bool scanStep();
    void scanPlainText(std::size_t last);
    bool inPlainText() const;
    bool yieldInPlainText();
    bool followTables();
    void finishOpenFontTag();
    RegionResult checkRegions();
    RegionResult checkRegion(bool& flag, std::string_view opening, std::string_view closing);
    void scanText();
    void closeTextBracket();
    void applyMarker(char marker);
    void scanTag();
    bool openNestedTag();
    void readMetaTag();
    void readFontTag();
    void readFontSize(std::size_t sizeAt);
    void closeFontTag();
    bool skipTable();
    void takeWord();
    bool takeScriptWords();
    int at(std::size_t p) const;
    bool startsAt(std::string_view text) const;
    int tableWeight() const;

    RunHost& host_;
    const AnalysisSettings& settings_; // the host's, read at every use
    WordAcceptor& acceptor_;
    ScannerState state_;
    std::string_view line_;
    std::size_t pos_ = 0;
    LineSearches searches_;
    std::u32string number_;
    ScriptWordCutter cutter_;
};

// A "<" opens a tag only when a letter, "/", "!" or "?" follows it; any other "<" is text.
bool OpensTag(std::string_view line, std::size_t p);

// Next ">" (and, with withOpening, next tag-opening "<") at or after from, stepping over quoted
// attribute values (a quote whose nearest preceding non-space character is "="); line.size() when
// there is none on the line.
std::size_t NextTagBracket(std::string_view line, std::size_t from, bool withOpening);

} // namespace orvanta
