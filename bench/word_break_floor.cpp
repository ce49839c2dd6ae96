// The floor for pages in scripts written without spaces: read a UTF-8 file, decode it, and cut
// the whole text once with ICU's word break iterator (root locale), counting the pieces of
// letters, kana and ideographs. Any program that finds such words with these rules does at
// least this much per byte; it does not link the engine.
//
// Usage: orvanta-word-break-floor FILE [--utf8-text]
// By default the whole text is decoded to UTF-16 first and the iterator walks that. The iterator
// walking a UText opened on the UTF-8 bytes (--utf8-text) takes a fifth more instructions, which
// the page faults of the UTF-16 copy almost make up for: on the 50 MB page of other scripts the
// UTF-16 way is 1 to 2% faster (docs/performance.md, "Letters of every script").

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>

namespace {

// The whole file in one read, into a buffer of its size: no copies and no growing buffer.
bool ReadFile(const char* path, std::string& bytes) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !in) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return in.gcount() == static_cast<std::streamsize>(bytes.size());
}

// The pieces of the text the iterator marks as words of letters, kana or ideographs.
long CountWords(UText* text) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> words(
        icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status)) {
        return -1;
    }
    words->setText(text, status);
    if (U_FAILURE(status)) {
        return -1;
    }
    long count = 0;
    words->first();
    while (words->next() != icu::BreakIterator::DONE) {
        const int32_t kind = words->getRuleStatus();
        count += kind >= UBRK_WORD_LETTER && kind < UBRK_WORD_IDEO_LIMIT;
    }
    return count;
}

long CountWordsOfUtf8(const std::string& bytes) {
    UErrorCode status = U_ZERO_ERROR;
    UText* text =
        utext_openUTF8(nullptr, bytes.data(), static_cast<int64_t>(bytes.size()), &status);
    const long count = U_FAILURE(status) ? -1 : CountWords(text);
    utext_close(text);
    return count;
}

long CountWordsOfUtf16(const std::string& bytes) {
    // Invalid sequences become U+FFFD, as the UTF-8 UText would read them.
    const icu::UnicodeString decoded = icu::UnicodeString::fromUTF8(bytes);
    UErrorCode status = U_ZERO_ERROR;
    UText* text = utext_openConstUnicodeString(nullptr, &decoded, &status);
    const long count = U_FAILURE(status) ? -1 : CountWords(text);
    utext_close(text);
    return count;
}

} // namespace

int main(int argc, char** argv) {
    const bool utf8Text = argc == 3 && std::strcmp(argv[2], "--utf8-text") == 0;
    if (argc != 2 && !utf8Text) {
        std::fprintf(stderr, "usage: %s FILE [--utf8-text]\n", argv[0]);
        return 1;
    }
    std::string bytes;
    if (!ReadFile(argv[1], bytes)) {
        std::perror(argv[1]);
        return 1;
    }
    const long count = utf8Text ? CountWordsOfUtf8(bytes) : CountWordsOfUtf16(bytes);
    if (count < 0) {
        std::fprintf(stderr, "%s: the word break iterator failed\n", argv[1]);
        return 1;
    }
    std::printf("%ld\n", count);
    return 0;
}
