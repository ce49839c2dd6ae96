#include "engine/output/lower_case_pieces.h"

#include "util/text_codec.h"
#include "util/unicode_lower.h"

#include <algorithm>
#include <string>

namespace orvanta {
namespace {

// Where a line may be cut so that its pieces decode to the text the whole line decodes to.
enum class Cut {
    AnyByte,       // Windows-1252: a byte is a character
    CharacterEdge, // valid UTF-8: between two characters
    AfterSpace,    // a legacy encoding whose space is always a character of its own
    Nowhere,       // a shift-state encoding: a byte's meaning depends on what came before
};

std::size_t PieceEnd(std::string_view line, std::size_t begin, std::size_t pieceBytes, Cut cut) {
    if (cut == Cut::Nowhere || line.size() - begin <= pieceBytes) {
        return line.size();
    }
    std::size_t end = begin + pieceBytes;
    switch (cut) {
    case Cut::AnyByte:
        break;
    case Cut::CharacterEdge:
        while (end > begin && text::IsUtf8ContinuationByte(line[end])) {
            --end;
        }
        if (end == begin) { // a piece smaller than one character: take that character
            for (end = begin + 1; end < line.size() && text::IsUtf8ContinuationByte(line[end]);
                 ++end) {
            }
        }
        break;
    case Cut::AfterSpace:
        end = line.find(' ', end - 1);
        end = end == std::string_view::npos ? line.size() : end + 1;
        break;
    case Cut::Nowhere:
        break;
    }
    return end;
}

// Passes text on without its leading and trailing spaces: spaces at the end of a piece are held
// back until some other character follows them.
class SpaceTrimmer {
public:
    explicit SpaceTrimmer(const std::function<bool(std::string_view)>& onPiece)
        : onPiece_(onPiece) {}

    bool add(std::string_view text) {
        if (!started_) {
            const std::size_t first = text.find_first_not_of(' ');
            if (first == std::string_view::npos) {
                return true;
            }
            text.remove_prefix(first);
            started_ = true;
        }
        const std::size_t last = text.find_last_not_of(' ');
        if (last == std::string_view::npos) {
            heldSpaces_ += text.size();
            return true;
        }
        if (!passHeldSpaces()) {
            return false;
        }
        heldSpaces_ = text.size() - last - 1;
        return onPiece_(text.substr(0, last + 1));
    }

private:
    bool passHeldSpaces() {
        static const std::string kSpaces(4096, ' ');
        while (heldSpaces_ > 0) {
            const std::size_t count = std::min(heldSpaces_, kSpaces.size());
            heldSpaces_ -= count;
            if (!onPiece_(std::string_view(kSpaces).substr(0, count))) {
                return false;
            }
        }
        return true;
    }

    const std::function<bool(std::string_view)>& onPiece_;
    bool started_ = false;
    std::size_t heldSpaces_ = 0;
};

} // namespace

bool ForEachLowerCasePiece(std::string_view rawLine, const text::LineDecoder& lineDecoder,
                           const std::function<bool(std::string_view)>& onPiece,
                           std::size_t pieceBytes) {
    Cut cut = lineDecoder.spaceIsAlwaysACharacter() ? Cut::AfterSpace : Cut::Nowhere;
    const text::LineDecoder* decoder = &lineDecoder;
    if (lineDecoder.keepsUtf8Lines()) {
        const bool utf8 = text::IsValidUtf8(rawLine);
        cut = utf8 ? Cut::CharacterEdge : Cut::AnyByte;
        decoder = utf8 ? &text::DefaultLineDecoder() : &text::Windows1252LineDecoder();
    }
    SpaceTrimmer trimmer(onPiece);
    std::string decoded;
    std::string lowered;
    for (std::size_t begin = 0; begin < rawLine.size();) {
        const std::size_t end = PieceEnd(rawLine, begin, std::max<std::size_t>(pieceBytes, 1), cut);
        text::LowerCaseUtf8(decoder->decode(rawLine.substr(begin, end - begin), decoded), lowered);
        if (!trimmer.add(lowered)) {
            return false;
        }
        begin = end;
    }
    return true;
}

} // namespace orvanta
