// Writes the table of Latin letters other than a-z and what each folds to: the text ICU's
// "Latin-ASCII" transliterator gives for the letter alone, lower-cased, when that is made only of
// a-z; otherwise nothing (the letter then separates words). Run at build time, so the table is
// always that of the ICU library the programs use.

#include <cstdio>
#include <memory>
#include <string>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>

namespace {

bool IsOtherLatinLetter(UChar32 c) {
    UErrorCode status = U_ZERO_ERROR;
    return !(c >= 'a' && c <= 'z') && (U_GET_GC_MASK(c) & U_GC_L_MASK) != 0 &&
           uscript_getScript(c, &status) == USCRIPT_LATIN;
}

// The transliteration lower-cased, or an empty text when it is not made only of a-z.
std::string Folded(icu::Transliterator& toAscii, UChar32 c) {
    icu::UnicodeString text(c);
    toAscii.transliterate(text);
    std::string folded;
    text.toUTF8String(folded);
    for (char& letter : folded) {
        if (letter >= 'A' && letter <= 'Z') {
            letter = static_cast<char>(letter - 'A' + 'a');
        }
        if (letter < 'a' || letter > 'z') {
            return {};
        }
    }
    return folded;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> toAscii(
        icu::Transliterator::createInstance("Latin-ASCII", UTRANS_FORWARD, status));
    if (U_FAILURE(status)) {
        std::fprintf(stderr, "no Latin-ASCII transliterator: %s\n", u_errorName(status));
        return 1;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out, "// Generated at build time from ICU %s; do not edit.\n", U_ICU_VERSION);
    for (UChar32 c = 0x80; c <= 0x10FFFF; ++c) {
        if (IsOtherLatinLetter(c)) {
            std::fprintf(out, "{0x%04X, \"%s\"},\n", static_cast<unsigned>(c),
                         Folded(*toAscii, c).c_str());
        }
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
