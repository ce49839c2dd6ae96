#include "engine/preparing/latin_letters.h"

#include "util/letter_classes.h"
#include "util/text_codec.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace orvanta {
namespace {

struct LatinFold {
    char32_t letter;
    std::string_view folded; // empty: the letter becomes a space
};

constexpr LatinFold kLatinFolds[] = {
#include "latin_fold_table.inc"
};

constexpr std::size_t Utf8Length(char32_t c) {
    return c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

// Folding in place needs every folded form to be no longer than its letter in UTF-8.
constexpr bool FoldsFitInPlace() {
    for (const LatinFold& fold : kLatinFolds) {
        if (fold.folded.size() > Utf8Length(fold.letter)) {
            return false;
        }
    }
    return true;
}
static_assert(FoldsFitInPlace());

std::string_view FoldedForm(char32_t letter) {
    const auto* end = std::end(kLatinFolds);
    const auto* it = std::lower_bound(std::begin(kLatinFolds), end, letter,
                                      [](const LatinFold& f, char32_t c) { return f.letter < c; });
    const bool found = it != end && it->letter == letter && !it->folded.empty();
    return found ? it->folded : std::string_view(" ");
}

std::size_t FirstNonAscii(const std::string& text) {
    const auto it = std::find_if(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return static_cast<std::size_t>(it - text.begin());
}

} // namespace

void FoldOtherLatinLetters(std::string& utf8Line) {
    std::size_t r = FirstNonAscii(utf8Line);
    std::size_t w = r;
    char* p = utf8Line.data();
    while (r < utf8Line.size()) {
        if (static_cast<unsigned char>(p[r]) < 0x80) {
            p[w++] = p[r++];
            continue;
        }
        std::size_t length = 0;
        const char32_t c = text::CodePointAt(utf8Line, r, length);
        if ((text::LetterClass(c) & text::kOtherLatinLetter) != 0) {
            const std::string_view folded = FoldedForm(c);
            std::memcpy(p + w, folded.data(), folded.size());
            w += folded.size();
        } else {
            std::memmove(p + w, p + r, length);
            w += length;
        }
        r += length;
    }
    utf8Line.resize(w);
}

void FoldOtherLatinLetters(std::u32string& text) {
    std::u32string out;
    out.reserve(text.size());
    for (const char32_t c : text) {
        if (c >= 0x80 && (text::LetterClass(c) & text::kOtherLatinLetter) != 0) {
            const std::string_view folded = FoldedForm(c);
            out.append(folded.begin(), folded.end());
        } else {
            out.push_back(c);
        }
    }
    text = std::move(out);
}

} // namespace orvanta
