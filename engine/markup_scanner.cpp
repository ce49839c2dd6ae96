#include "engine/markup_scanner.h"

#include "engine/line_preparation.h"
#include "engine/run_host.h"
#include "engine/settings.h"
#include "engine/word_acceptance.h"
#include "util/number_reading.h"
#include "util/string_utils.h"

#include <algorithm>
#include <cmath>

namespace orvanta {
namespace {

constexpr char32_t kNoChar = 0xFFFFFFFF;

bool PrecededByEquals(std::u32string_view line, std::size_t quoteAt) {
    std::size_t j = quoteAt;
    while (j > 0 && line[j - 1] == text::kSpace) {
        --j;
    }
    return j > 0 && line[j - 1] == U'=';
}

} // namespace

bool OpensTag(std::u32string_view line, std::size_t p) {
    if (p + 1 >= line.size() || line[p] != U'<') {
        return false;
    }
    const char32_t next = line[p + 1];
    return (next >= U'a' && next <= U'z') || next == U'/' || next == U'!' || next == U'?';
}

std::size_t NextTagBracket(std::u32string_view line, std::size_t from, bool withOpening) {
    for (std::size_t i = from; i < line.size(); ++i) {
        const char32_t c = line[i];
        if (c == U'>') {
            return i;
        }
        if (c == U'<') {
            if (withOpening && OpensTag(line, i)) {
                return i;
            }
        } else if ((c == U'"' || c == U'\'') && PrecededByEquals(line, i)) {
            const std::size_t closing = line.find(c, i + 1);
            if (closing != std::u32string_view::npos) {
                i = closing;
            }
        }
    }
    return line.size();
}

MarkupScanner::MarkupScanner(RunHost& host, WordAcceptor& acceptor)
    : host_(host), acceptor_(acceptor) {
    state_.fontStack.reserve(17);
}

char32_t MarkupScanner::at(std::size_t p) const {
    return p < line_.size() ? line_[p] : kNoChar;
}

bool MarkupScanner::startsAt(std::u32string_view text) const {
    return text::StartsWithAt(line_, pos_, text);
}

int MarkupScanner::tableWeight() const {
    return host_.settings().tableWeight;
}

float MarkupScanner::occurrenceWeight() const {
    const AnalysisSettings& settings = host_.settings();
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

void MarkupScanner::scanLine(const std::u32string& line) {
    line_ = line;
    pos_ = 0;
    const std::size_t length = line_.size();
    for (;;) {
        // 1. Done at the end sentinel.
        if (pos_ + 1 >= length) {
            return;
        }
        // 2. A table dropped on an earlier line goes on.
        if (state_.tableDepth > 0 && tableWeight() == 0 && !skipTable()) {
            return;
        }
        // 3. A font tag whose ">" was not on the previous line.
        if (state_.fontTagOpen) {
            const std::size_t gt = NextTagBracket(line_, pos_, false);
            if (gt < length) {
                --state_.tagDepth;
                pos_ = gt + 1;
            } else {
                pos_ = length;
            }
            state_.fontTagOpen = false;
            state_.inTag = false;
        }
        // Every delimiter below begins with "<"; most steps can skip those comparisons.
        const bool atOpenBracket = at(pos_) == U'<';
        // 4. Table boundaries; never ends the step.
        if (atOpenBracket && startsAt(kTableStart)) {
            if (tableWeight() > 0) {
                ++state_.tableDepth;
            } else if (!skipTable()) {
                return;
            }
        } else if (atOpenBracket && startsAt(kTableEnd) && tableWeight() > 0) {
            --state_.tableDepth;
        }
        // 5-7. Comment, style and script regions.
        RegionResult region = checkRegion(state_.inComment, kCommentStart, kCommentEnd);
        if (region == RegionResult::NotApplicable) {
            region = checkRegion(state_.inStyle, kStyleStart, kStyleEnd);
        }
        if (region == RegionResult::NotApplicable) {
            region = checkRegion(state_.inScript, kScriptStart, kScriptEnd);
        }
        if (region == RegionResult::LineDone) {
            return;
        }
        if (region == RegionResult::NotApplicable) {
            const char32_t c = at(pos_);
            if (state_.inTag || (c == U'<' && OpensTag(line_, pos_))) {
                // 8. A tag.
                state_.inTag = true;
                scanTag();
            } else if (c == U'>') {
                // 9. A ">" in text ends meta content; the depth never goes below 0.
                state_.fontTagOpen = false;
                state_.inDescription = false;
                state_.inKeywords = false;
                ++pos_;
                if (state_.tagDepth > 0) {
                    --state_.tagDepth;
                }
            } else if (c == MarkBoldOn || c == MarkBoldOff || c == MarkTitleOn ||
                       c == MarkTitleOff || (c >= 1 && c <= MarkHeadingOff)) {
                // 10. Markers.
                if (c == MarkBoldOn) {
                    state_.inBold = true;
                } else if (c == MarkBoldOff) {
                    state_.inBold = false;
                } else if (c == MarkTitleOn) {
                    state_.inTitle = true;
                } else if (c == MarkTitleOff) {
                    state_.inTitle = false;
                } else if (c == MarkHeadingOff) {
                    state_.headingCode = 0;
                } else {
                    state_.headingCode = static_cast<int>(c);
                }
                ++pos_;
            } else if (text::IsLetter(c)) {
                // 11. A word.
                takeWord();
            } else {
                // 12. Anything else separates words.
                ++pos_;
            }
        }
        host_.yieldPoint();
    }
}

MarkupScanner::RegionResult MarkupScanner::checkRegion(bool& flag, std::u32string_view opening,
                                                       std::u32string_view closing) {
    if (!flag && (at(pos_) != U'<' || !startsAt(opening))) {
        return RegionResult::NotApplicable;
    }
    const std::size_t found =
        pos_ <= line_.size() ? line_.find(closing, pos_) : std::u32string_view::npos;
    if (found == std::u32string_view::npos) {
        pos_ = line_.size();
        flag = true;
        return RegionResult::LineDone;
    }
    pos_ = found + closing.size();
    flag = false;
    return RegionResult::Skipped;
}

void MarkupScanner::scanTag() {
    const std::size_t length = line_.size();
    for (;;) {
        if (pos_ >= length) {
            return; // the tag goes on into the next line
        }
        const char32_t c = line_[pos_];
        if (c == U'>') {
            --state_.tagDepth;
            ++pos_;
            if (state_.tagDepth == 0) {
                state_.inTag = false;
                return;
            }
            continue;
        }
        if (c == U'<' && OpensTag(line_, pos_)) {
            ++state_.tagDepth;
            pos_ = text::SkipSpaces(line_, pos_);
            if (pos_ >= length) {
                return;
            }
            if (startsAt(U"meta ")) {
                readMetaTag();
                state_.inTag = false;
                return;
            }
            if (startsAt(U"font ")) {
                readFontTag();
                if (state_.inTag) {
                    continue;
                }
                return;
            }
            if (startsAt(U"/font")) {
                closeFontTag();
                --state_.tagDepth;
                state_.inTag = false;
                return;
            }
            ++pos_;
            continue;
        }
        pos_ = NextTagBracket(line_, pos_, true);
        if (pos_ >= length) {
            return;
        }
    }
}

void MarkupScanner::readMetaTag() {
    state_.inDescription = false;
    state_.inKeywords = false;
    pos_ += 5;
    const std::u32string rest = text::RemoveSpaces(line_.substr(std::min(pos_, line_.size())));
    const auto findContent = [this]() {
        return pos_ <= line_.size() ? line_.find(U"content", pos_) : std::u32string_view::npos;
    };
    if (rest.find(U"name=\"description\"") != std::u32string::npos) {
        const std::size_t p = findContent();
        if (p != std::u32string_view::npos) {
            pos_ = p + 7;
            state_.inDescription = true;
        }
    } else if (rest.find(U"name=\"keywords\"") != std::u32string::npos &&
               host_.settings().existingKeywordsWeight > 0) {
        const std::size_t p = findContent();
        if (p != std::u32string_view::npos) {
            pos_ = p + 7;
            state_.inKeywords = true;
        }
    }
    if (state_.inDescription || state_.inKeywords) {
        return; // the content is read as text; the next ">" in text ends it
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
    const std::u32string rest = text::RemoveSpaces(line_.substr(std::min(pos_, line_.size())));
    state_.fontTagOpen = true;
    state_.fontStack.push_back(state_.fontSize);
    if (rest.find(U"size=") != std::u32string::npos) {
        const std::size_t sizeAt =
            pos_ <= line_.size() ? line_.find(U"size", pos_) : std::u32string_view::npos;
        if (sizeAt != std::u32string_view::npos) {
            pos_ = text::FindFirstOf(line_, sizeAt + 4, U"-+0123456789");
            if (pos_ < line_.size()) {
                const char32_t lead = line_[pos_];
                double size = 0.0;
                if (lead == U'+') {
                    size = state_.fontSize + text::ReadUnsignedNumber(line_.substr(pos_ + 1));
                } else if (lead == U'-') {
                    size = state_.fontSize - text::ReadUnsignedNumber(line_.substr(pos_ + 1));
                } else {
                    size = text::ReadUnsignedNumber(line_.substr(pos_));
                }
                state_.fontSize = static_cast<int>(std::clamp(std::nearbyint(size), 1.0, 7.0));
            }
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
            pos_ = line_.find(U'<', pos_ + 1);
        }
        if (pos_ >= line_.size()) {
            pos_ = line_.size();
            return false;
        }
    }
}

void MarkupScanner::takeWord() {
    const std::size_t n = text::LetterRunLength(line_, pos_);
    std::string word;
    word.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        word.push_back(static_cast<char>(line_[pos_ + i]));
    }
    acceptor_.acceptWord(word, *this);
    pos_ += n;
}

} // namespace orvanta
