#include "engine/scanning/markup_scanner.h"

#include "engine/analysis_settings.h"
#include "engine/preparing/line_preparation.h"
#include "engine/run_host.h"
#include "engine/scanning/script_words.h"
#include "engine/words/word_acceptance.h"
#include "util/letter_classes.h"
#include "util/number_reading.h"
#include "util/string_utils.h"
#include "util/text_codec.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvanta {
namespace {

constexpr int kNoChar = -1;
constexpr std::size_t kNone = std::string_view::npos;

// The regions whose text is never counted, and tables.
constexpr std::string_view kScriptStart = "<script";
constexpr std::string_view kScriptEnd = "</script>";
constexpr std::string_view kStyleStart = "<style";
constexpr std::string_view kStyleEnd = "</style>";
constexpr std::string_view kCommentStart = "<!--";
constexpr std::string_view kCommentEnd = "-->";
constexpr std::string_view kTableStart = "<table";
constexpr std::string_view kTableEnd = "</table>";

bool PrecededByEquals(std::string_view line, std::size_t quoteAt) {
    std::size_t j = quoteAt;
    while (j > 0 && line[j - 1] == ' ') {
        --j;
    }
    return j > 0 && line[j - 1] == '=';
}

// True when text matches line from p on with the line's spaces skipped (text has none).
bool MatchesSkippingSpaces(std::string_view line, std::size_t p, std::string_view text) {
    for (const char c : text) {
        while (p < line.size() && line[p] == ' ') {
            ++p;
        }
        if (p == line.size() || line[p] != c) {
            return false;
        }
        ++p;
    }
    return true;
}

constexpr bool IsMarker(char c) {
    return c == MarkBoldOn || c == MarkBoldOff || c == MarkTitleOn || c == MarkTitleOff ||
           (c >= MarkHeadingH6 && c <= MarkHeadingOff);
}

// ASCII characters that only separate words when no tag or region is open: not a letter, "<",
// ">" or a marker. Bytes from 0x80 start characters that may be letters of other scripts.
constexpr std::array<bool, 256> MakePlainSeparators() {
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x80; ++c) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        table[c] = !letter && c != '<' && c != '>' && !IsMarker(static_cast<char>(c));
    }
    return table;
}
constexpr std::array<bool, 256> kPlainSeparator = MakePlainSeparators();

constexpr std::array<bool, 256> MakeLetters() {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[c] = text::IsLetter(static_cast<char32_t>(c));
    }
    return table;
}
constexpr std::array<bool, 256> kLetter = MakeLetters();

constexpr std::array<bool, 256> MakeTagStops() {
    std::array<bool, 256> table{};
    table['<'] = table['>'] = table['"'] = table['\''] = true;
    return table;
}
constexpr std::array<bool, 256> kTagStop = MakeTagStops();

// Separator bytes the plain-text loop takes between two calls of the host's yield point.
constexpr std::size_t kPlainYieldBytes = 4096;

} // namespace

void LineSearches::reset(std::string_view line) {
    line_ = line;
    next_.clear();
    lastWithoutSpaces_.clear();
}

std::size_t LineSearches::next(std::string_view text, std::size_t from) {
    auto it =
        std::find_if(next_.begin(), next_.end(), [&](const Cached& c) { return c.text == text; });
    if (it == next_.end()) {
        it = next_.insert(next_.end(), Cached{text, 0, 0});
        it->found = kNone;
        it->from = kNone;
    }
    // The answer from it->from holds for every start between it->from and that answer.
    if (it->from == kNone || from < it->from || from > it->found) {
        it->from = from;
        const std::size_t found = from <= line_.size() ? line_.find(text, from) : kNone;
        it->found = found == kNone ? line_.size() : found;
    }
    return it->found;
}

bool LineSearches::occursWithoutSpaces(std::string_view text, std::size_t from) {
    auto it = std::find_if(lastWithoutSpaces_.begin(), lastWithoutSpaces_.end(),
                           [&](const Cached& c) { return c.text == text; });
    if (it == lastWithoutSpaces_.end()) {
        // The last place the text starts, found once per line.
        std::size_t last = kNone;
        for (std::size_t p = line_.size(); p-- > 0;) {
            if (line_[p] == text.front() && MatchesSkippingSpaces(line_, p, text)) {
                last = p;
                break;
            }
        }
        it = lastWithoutSpaces_.insert(lastWithoutSpaces_.end(), Cached{text, 0, last});
    }
    return it->found != kNone && it->found >= from;
}

bool OpensTag(std::string_view line, std::size_t p) {
    if (p + 1 >= line.size() || line[p] != '<') {
        return false;
    }
    const char next = line[p + 1];
    return (next >= 'a' && next <= 'z') || next == '/' || next == '!' || next == '?';
}

std::size_t NextTagBracket(std::string_view line, std::size_t from, bool withOpening) {
    for (std::size_t i = from; i < line.size(); ++i) {
        // Only brackets and quotes stop the walk.
        while (i < line.size() && !kTagStop[static_cast<unsigned char>(line[i])]) {
            ++i;
        }
        if (i == line.size()) {
            break;
        }
        const char c = line[i];
        if (c == '>') {
            return i;
        }
        if (c == '<') {
            if (withOpening && OpensTag(line, i)) {
                return i;
            }
        } else if ((c == '"' || c == '\'') && PrecededByEquals(line, i)) {
            const std::size_t closing = line.find(c, i + 1);
            if (closing != kNone) {
                i = closing;
            }
        }
    }
    return line.size();
}

MarkupScanner::MarkupScanner(RunHost& host, WordAcceptor& acceptor)
    : host_(host), settings_(host.settings()), acceptor_(acceptor) {
    state_.fontStack.reserve(17);
}

int MarkupScanner::at(std::size_t p) const {
    return p < line_.size() ? static_cast<unsigned char>(line_[p]) : kNoChar;
}

bool MarkupScanner::startsAt(std::string_view text) const {
    // The texts are short; a plain loop beats a library compare here.
    if (pos_ > line_.size() || line_.size() - pos_ < text.size()) {
        return false;
    }
    const char* p = line_.data() + pos_;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (p[i] != text[i]) {
            return false;
        }
    }
    return true;
}

int MarkupScanner::tableWeight() const {
    return settings_.tableWeight;
}

float MarkupScanner::occurrenceWeight() const {
    const AnalysisSettings& settings = settings_;
    float base = 0.0f;
    if (state_.inTitle) {
        base = 48.0f;
    } else if (state_.inDescription) {
        base = 24.0f;
    } else if (state_.inKeywords) {
        base = 4.0f * static_cast<float>(settings.existingKeywordsWeight);
    }
    float weight =
        static_cast<float>(state_.fontSize) + base + static_cast<float>(state_.headingCode);
    if (state_.tableDepth > 0) {
        weight += static_cast<float>(settings.tableWeight);
    }
    if (state_.inBold) {
        weight += static_cast<float>(settings.boldWeight);
    }
    return weight;
}

void MarkupScanner::scanLine(std::string_view line) {
    line_ = line;
    pos_ = 0;
    searches_.reset(line);
    // The last character is the end sentinel.
    const std::size_t last = line_.size() - 1;
    while (pos_ < last) {
        if (inPlainText()) {
            scanPlainText(last);
            if (pos_ >= last) {
                return;
            }
        }
        if (!scanStep()) {
            return;
        }
        host_.yieldPoint();
    }
}

// The commonest stretch, separators and words while nothing is open, without the checks that
// cannot apply. The host is served after every word and at least every kPlainYieldBytes bytes of
// separators; the stretch ends at a "<", ">", marker, or the end sentinel, or when the host has
// set the table weight to 0 inside a table (the table is then dropped from here on).
void MarkupScanner::scanPlainText(std::size_t last) {
    const char* p = line_.data();
    std::size_t sinceYield = 0;
    while (pos_ < last) {
        const auto c = static_cast<unsigned char>(p[pos_]);
        bool separator = kPlainSeparator[c];
        if (separator) {
            ++pos_;
        } else if (c >= 0x80) {
            separator = !takeScriptWords();
        } else if (text::IsLetter(c)) {
            takeWord();
        } else {
            break;
        }
        if (separator && ++sinceYield < kPlainYieldBytes) {
            continue;
        }
        sinceYield = 0;
        if (!yieldInPlainText()) {
            return;
        }
    }
    if (sinceYield != 0) {
        host_.yieldPoint();
    }
}

// One step at the current position; false when the rest of the line is used up.
bool MarkupScanner::scanStep() {
    if (inPlainText()) {
        // Nothing open: only "<", ">", markers and letters do more than separate.
        const char c = line_[pos_];
        if (static_cast<unsigned char>(c) >= 0x80) {
            takeScriptWords();
            return true;
        }
        if (text::IsLetter(static_cast<unsigned char>(c))) {
            takeWord();
            return true;
        }
        if (c != '<' && c != '>' && !IsMarker(c)) {
            ++pos_;
            return true;
        }
    }
    if (state_.tableDepth > 0 && tableWeight() == 0 && !skipTable()) {
        return false;
    }
    if (state_.fontTagOpen) {
        finishOpenFontTag();
    }
    if (!followTables()) {
        return false;
    }
    const RegionResult region = checkRegions();
    if (region == RegionResult::NotApplicable) {
        scanText();
    }
    return region != RegionResult::LineDone;
}

// Serves the host; false when it has set the table weight to 0 inside a table.
bool MarkupScanner::yieldInPlainText() {
    host_.yieldPoint();
    return state_.tableDepth <= 0 || tableWeight() != 0;
}

// True when no tag, region or dropped table is open, so the step depends on the character alone.
bool MarkupScanner::inPlainText() const {
    return !state_.inTag && !state_.fontTagOpen && !state_.inComment && !state_.inStyle &&
           !state_.inScript && (state_.tableDepth <= 0 || tableWeight() != 0);
}

// A font tag whose ">" was not on an earlier line ends at the first ">" of this one.
void MarkupScanner::finishOpenFontTag() {
    const std::size_t gt = NextTagBracket(line_, pos_, false);
    if (gt < line_.size()) {
        --state_.tagDepth;
        pos_ = gt + 1;
    } else {
        pos_ = line_.size();
    }
    state_.fontTagOpen = false;
    state_.inTag = false;
}

// Counts table boundaries, or drops a table when tables weigh nothing. False when the dropped
// table goes on past this line.
bool MarkupScanner::followTables() {
    if (at(pos_) != '<') {
        return true;
    }
    const int next = at(pos_ + 1);
    if (next != kTableStart[1] && next != kTableEnd[1]) {
        return true;
    }
    if (startsAt(kTableStart)) {
        if (tableWeight() > 0) {
            ++state_.tableDepth;
        } else if (!skipTable()) {
            return false;
        }
    } else if (startsAt(kTableEnd) && tableWeight() > 0) {
        --state_.tableDepth;
    }
    return true;
}

MarkupScanner::RegionResult MarkupScanner::checkRegions() {
    // Every opening text begins with "<".
    if (!state_.inComment && !state_.inStyle && !state_.inScript) {
        const int next = at(pos_ + 1);
        if (at(pos_) != '<' ||
            (next != kCommentStart[1] && next != kStyleStart[1] && next != kScriptStart[1])) {
            return RegionResult::NotApplicable;
        }
    }
    RegionResult region = checkRegion(state_.inComment, kCommentStart, kCommentEnd);
    if (region == RegionResult::NotApplicable) {
        region = checkRegion(state_.inStyle, kStyleStart, kStyleEnd);
    }
    if (region == RegionResult::NotApplicable) {
        region = checkRegion(state_.inScript, kScriptStart, kScriptEnd);
    }
    return region;
}

MarkupScanner::RegionResult MarkupScanner::checkRegion(bool& flag, std::string_view opening,
                                                       std::string_view closing) {
    if (!flag && (at(pos_) != '<' || !startsAt(opening))) {
        return RegionResult::NotApplicable;
    }
    const std::size_t found = pos_ <= line_.size() ? line_.find(closing, pos_) : kNone;
    if (found == kNone) {
        pos_ = line_.size();
        flag = true;
        return RegionResult::LineDone;
    }
    pos_ = found + closing.size();
    flag = false;
    return RegionResult::Skipped;
}

// Outside the regions: a tag, a stray ">", a marker, a word, or a separator.
void MarkupScanner::scanText() {
    const int c = at(pos_);
    if (state_.inTag || (c == '<' && OpensTag(line_, pos_))) {
        state_.inTag = true;
        scanTag();
    } else if (c == '>') {
        closeTextBracket();
    } else if (c != kNoChar && IsMarker(static_cast<char>(c))) {
        applyMarker(static_cast<char>(c));
        ++pos_;
    } else if (c >= 0x80) {
        takeScriptWords();
    } else if (text::IsLetter(static_cast<char32_t>(c))) {
        takeWord();
    } else {
        ++pos_;
    }
}

// A ">" in text ends meta content; the tag depth never goes below 0.
void MarkupScanner::closeTextBracket() {
    state_.fontTagOpen = false;
    state_.inDescription = false;
    state_.inKeywords = false;
    ++pos_;
    if (state_.tagDepth > 0) {
        --state_.tagDepth;
    }
}

void MarkupScanner::applyMarker(char marker) {
    if (marker == MarkBoldOn) {
        state_.inBold = true;
    } else if (marker == MarkBoldOff) {
        state_.inBold = false;
    } else if (marker == MarkTitleOn) {
        state_.inTitle = true;
    } else if (marker == MarkTitleOff) {
        state_.inTitle = false;
    } else if (marker == MarkHeadingOff) {
        state_.headingCode = 0;
    } else {
        state_.headingCode = marker;
    }
}

void MarkupScanner::scanTag() {
    const std::size_t length = line_.size();
    for (;;) {
        if (pos_ >= length) {
            return; // the tag goes on into the next line
        }
        const char c = line_[pos_];
        if (c == '>') {
            --state_.tagDepth;
            ++pos_;
            if (state_.tagDepth == 0) {
                state_.inTag = false;
                return;
            }
            continue;
        }
        if (c == '<' && OpensTag(line_, pos_)) {
            if (!openNestedTag()) {
                return;
            }
            continue;
        }
        pos_ = NextTagBracket(line_, pos_, true);
        if (pos_ >= length) {
            return;
        }
    }
}

// At a "<" that opens a tag: meta and font tags are read, a closing font tag restores the size.
// False when the tag scan ends here.
bool MarkupScanner::openNestedTag() {
    ++state_.tagDepth;
    // The character after "<" is never a space, so the tag name starts right there.
    pos_ = text::FirstNonSpaceFrom(line_, pos_ + 1);
    if (pos_ >= line_.size()) {
        return false;
    }
    // Most tags are none of the three: their first letter rules them out.
    const char first = line_[pos_];
    if (first == 'm' && startsAt("meta ")) {
        readMetaTag();
        state_.inTag = false;
        return false;
    }
    if (first == 'f' && startsAt("font ")) {
        readFontTag();
        return state_.inTag;
    }
    if (first == '/' && startsAt("/font")) {
        closeFontTag();
        --state_.tagDepth;
        state_.inTag = false;
        return false;
    }
    ++pos_;
    return true;
}

// The description and keywords meta tags: their content is read as text, weighted, until the next
// ">" in text. The name is looked for anywhere in the rest of the line, spaces ignored.
void MarkupScanner::readMetaTag() {
    state_.inDescription = false;
    state_.inKeywords = false;
    pos_ += 5;
    bool* contentFlag = nullptr;
    if (searches_.occursWithoutSpaces("name=\"description\"", pos_)) {
        contentFlag = &state_.inDescription;
    } else if (searches_.occursWithoutSpaces("name=\"keywords\"", pos_) &&
               settings_.existingKeywordsWeight > 0) {
        contentFlag = &state_.inKeywords;
    }
    if (contentFlag != nullptr) {
        const std::size_t content = searches_.next("content", pos_);
        if (content < line_.size()) {
            pos_ = content + 7;
            *contentFlag = true;
            return;
        }
    }
    const std::size_t gt = NextTagBracket(line_, pos_, false);
    if (gt < line_.size()) {
        pos_ = gt + 1;
        --state_.tagDepth;
    } else {
        pos_ = line_.size();
    }
}

void MarkupScanner::readFontTag() {
    pos_ += 5;
    state_.fontTagOpen = true;
    state_.fontStack.push_back(state_.fontSize);
    if (searches_.occursWithoutSpaces("size=", pos_)) {
        const std::size_t sizeAt = searches_.next("size", pos_);
        if (sizeAt < line_.size()) {
            readFontSize(sizeAt);
        }
    }
    const std::size_t gt = NextTagBracket(line_, pos_, false);
    if (gt < line_.size()) {
        --state_.tagDepth;
        state_.fontTagOpen = false;
        state_.inTag = false;
        pos_ = gt + 1;
    } else {
        pos_ = line_.size();
    }
}

// Moves to the first sign or digit after "size" and sets the new size: absolute, or relative to
// the current one after a sign.
void MarkupScanner::readFontSize(std::size_t sizeAt) {
    const std::size_t lead = line_.find_first_of("-+0123456789", sizeAt + 4);
    if (lead == kNone) {
        pos_ = line_.size();
        return;
    }
    pos_ = lead;
    const std::size_t numberAt = (line_[lead] == '+' || line_[lead] == '-') ? lead + 1 : lead;
    std::size_t numberEnd = numberAt;
    while (numberEnd < line_.size() && (line_[numberEnd] == ' ' || line_[numberEnd] == '.' ||
                                        (line_[numberEnd] >= '0' && line_[numberEnd] <= '9'))) {
        ++numberEnd;
    }
    number_.assign(line_.begin() + static_cast<std::ptrdiff_t>(numberAt),
                   line_.begin() + static_cast<std::ptrdiff_t>(numberEnd));
    const double number = text::ReadUnsignedNumber(number_);
    double size = number;
    if (line_[lead] == '+') {
        size = state_.fontSize + number;
    } else if (line_[lead] == '-') {
        size = state_.fontSize - number;
    }
    state_.fontSize = static_cast<int>(std::clamp(std::nearbyint(size), 1.0, 7.0));
}

void MarkupScanner::closeFontTag() {
    if (!state_.fontStack.empty()) {
        state_.fontSize = state_.fontStack.back();
        state_.fontStack.pop_back();
    }
    const std::size_t gt = NextTagBracket(line_, pos_, false);
    pos_ = gt < line_.size() ? gt + 1 : line_.size();
}

bool MarkupScanner::skipTable() {
    for (;;) {
        if (startsAt(kTableStart)) {
            ++state_.tableDepth;
            pos_ += kTableStart.size();
        } else if (startsAt(kTableEnd)) {
            --state_.tableDepth;
            pos_ += kTableEnd.size();
            if (state_.tableDepth == 0) {
                return true;
            }
        } else {
            // Only a "<" can begin either delimiter.
            pos_ = line_.find('<', pos_ + 1);
        }
        if (pos_ >= line_.size()) {
            pos_ = line_.size();
            return false;
        }
    }
}

void MarkupScanner::takeWord() {
    std::size_t end = pos_;
    while (end < line_.size() && kLetter[static_cast<unsigned char>(line_[end])]) {
        ++end;
    }
    acceptor_.acceptWord(line_.substr(pos_, end - pos_), *this);
    pos_ = end;
}

// At a character beyond ASCII: the words of the run of word characters that starts there, each
// with the weight of this place; any other character is stepped over whole. False when it was no
// word character.
bool MarkupScanner::takeScriptWords() {
    const std::size_t end = WordCharacterRunEnd(line_, pos_);
    if (end == pos_) {
        std::size_t length = 0;
        text::CodePointAt(line_, pos_, length);
        pos_ += length;
        return false;
    }
    // The host is served after every word, as it is after a word a-z.
    cutter_.cut(line_.substr(pos_, end - pos_), [this](std::string_view word, std::size_t) {
        acceptor_.acceptWord(word, *this);
        host_.yieldPoint();
    });
    pos_ = end;
    return true;
}

} // namespace orvanta
