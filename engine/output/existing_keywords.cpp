#include "engine/output/existing_keywords.h"

#include "engine/reading/document_reader.h"

#include <algorithm>
#include <string_view>

namespace orvanta {
namespace {

constexpr std::size_t kNone = std::string_view::npos;
constexpr std::string_view kHeadEnd = "</head>";
constexpr std::string_view kMetaStart = "<meta ";
constexpr std::string_view kQuotedNames[] = {"\"keywords\"", "'keywords'"};
constexpr std::string_view kBareName = "=keywords";
// A match across two pieces starts in the last bytes of the first. The longest is a bare name
// whose end is decided by a "</head>" straight after it.
constexpr std::size_t kOverlap = kBareName.size() + kHeadEnd.size() - 1;

bool EndsBareName(char c) {
    return c == ' ' || c == '>' || c == '/';
}

// Looks through one line, given as lower-cased pieces, for the first "</head>", the first
// "<meta " before it, and a keywords name before it.
class LineSearch {
public:
    // False once the head's end is found: nothing after it is searched.
    bool add(std::string_view piece) {
        const std::size_t kept = window_.size();
        window_.append(piece);
        const std::size_t windowStart = length_ - kept;
        length_ += piece.size();
        std::string_view searched = window_;
        const std::size_t headEnd = searched.find(kHeadEnd);
        if (headEnd != kNone) {
            headEnd_ = windowStart + headEnd;
            searched = searched.substr(0, headEnd);
        }
        if (const std::size_t meta = searched.find(kMetaStart); meta_ == kNone && meta != kNone) {
            meta_ = windowStart + meta;
        }
        bareNameAtEnd_ = false;
        namesKeywords_ = namesKeywords_ || namesKeywordsIn(searched, headEnd != kNone);
        window_.erase(0, window_.size() - std::min(window_.size(), kOverlap));
        return headEnd_ == kNone;
    }

    // The end of the line: a bare name that ended the last piece ended the searched text.
    void finish() { namesKeywords_ = namesKeywords_ || bareNameAtEnd_; }

    bool found() const { return meta_ != kNone && namesKeywords_; }
    bool headEnds() const { return headEnd_ != kNone; }
    std::size_t metaStart() const { return meta_; }
    std::size_t searchedEnd() const { return headEnds() ? headEnd_ : length_; }

private:
    bool namesKeywordsIn(std::string_view text, bool endsSearchedText) {
        for (const std::string_view quoted : kQuotedNames) {
            if (text.find(quoted) != kNone) {
                return true;
            }
        }
        for (std::size_t at = text.find(kBareName); at != kNone;
             at = text.find(kBareName, at + 1)) {
            const std::size_t after = at + kBareName.size();
            if (after < text.size() ? EndsBareName(text[after]) : endsSearchedText) {
                return true;
            }
            // What follows comes with the next piece, or the line ends here.
            bareNameAtEnd_ = after == text.size();
        }
        return false;
    }

    std::string window_; // the last bytes of the previous piece, then the current piece
    std::size_t length_ = 0;
    std::size_t headEnd_ = kNone;
    std::size_t meta_ = kNone;
    bool namesKeywords_ = false;
    bool bareNameAtEnd_ = false;
};

// The line's lower-cased text from byte begin to byte end.
std::string LowerCaseText(std::string_view line, const text::LineDecoder& decoder,
                          std::size_t begin, std::size_t end, std::size_t pieceBytes) {
    std::string out;
    out.reserve(end - begin); // the positions count bytes of the lower-cased text
    std::size_t at = 0;
    ForEachLowerCasePiece(
        line, decoder,
        [&](std::string_view piece) {
            const std::size_t from = std::clamp(begin, at, at + piece.size()) - at;
            const std::size_t to = std::clamp(end, at, at + piece.size()) - at;
            out.append(piece.substr(from, to - from));
            at += piece.size();
            return at < end;
        },
        pieceBytes);
    return out;
}

} // namespace

ExistingKeywords FindExistingKeywords(const std::string& path, std::size_t pieceBytes) {
    ExistingKeywords result;
    DocumentReader reader;
    if (!reader.open(path)) {
        result.outcome = ExistingKeywordsOutcome::ReadError;
        result.error = reader.error();
        return result;
    }
    std::string_view line;
    std::string storage;
    while (reader.nextUndecoded(line, storage)) {
        LineSearch search;
        ForEachLowerCasePiece(
            line, reader.lineDecoder(), [&](std::string_view piece) { return search.add(piece); },
            pieceBytes);
        search.finish();
        if (search.found()) {
            result.outcome = ExistingKeywordsOutcome::Found;
            result.tag = LowerCaseText(line, reader.lineDecoder(), search.metaStart(),
                                       search.searchedEnd(), pieceBytes);
            return result;
        }
        if (search.headEnds()) {
            return result;
        }
    }
    if (!reader.error().empty()) {
        result.outcome = ExistingKeywordsOutcome::ReadError;
        result.error = reader.error();
    }
    return result;
}

} // namespace orvanta
