#include "engine/reading/document_reader.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvanta {
namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;
using Kind = DocumentEncoding::Kind;

Strings ReadLines(const std::string& bytes, std::size_t limit = DocumentReader::kWholeFile,
                  DocumentEncoding* encoding = nullptr) {
    DocumentReader reader;
    EXPECT_TRUE(reader.open(testing::WriteTempFile(bytes), limit)) << reader.error();
    Strings lines;
    for (std::string line; reader.next(line);) {
        lines.push_back(line);
    }
    EXPECT_EQ(reader.error(), "");
    if (encoding != nullptr) {
        *encoding = reader.encoding();
    }
    return lines;
}

// The text as UTF-16 with its byte-order mark.
std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t u : text) {
        const char high = static_cast<char>(u >> 8);
        const char low = static_cast<char>(u & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(DocumentReader, WithoutDeclarationLinesStayRawBytes) {
    DocumentEncoding encoding;
    EXPECT_EQ(ReadLines("\xEF\xBB\xBF"
                        "caf\xC3\xA9\r\ncaf\xE9\rx\n\ny",
                        DocumentReader::kWholeFile, &encoding),
              (Strings{"caf\xC3\xA9", "caf\xE9", "x", "", "y"}));
    EXPECT_EQ(encoding, DocumentEncoding{});
    EXPECT_EQ(ReadLines("<meta charset=utf-8>\n\xE9"), (Strings{"<meta charset=utf-8>", "\xE9"}));
    EXPECT_EQ(ReadLines(""), Strings{});
    EXPECT_EQ(ReadLines("a\r\n"), Strings{"a"});
}

TEST(DocumentReader, DeclaredLegacyEncodingDecodesEveryLine) {
    DocumentEncoding encoding;
    const std::string page = "<html><head><META http-equiv=\"Content-Type\" "
                             "content=\"text/html; charset=EUC-KR\">\r\n"
                             "<title>\xBC\xB3\xC1\xA4\xC6\xC4\xC0\xCF</title>\r\n"
                             "\xC0\xD6\xB4\xD9.\r";
    EXPECT_EQ(ReadLines(page, DocumentReader::kWholeFile, &encoding),
              (Strings{"<html><head><META http-equiv=\"Content-Type\" "
                       "content=\"text/html; charset=EUC-KR\">",
                       "<title>설정파일</title>", "있다."}));
    EXPECT_EQ(encoding, (DocumentEncoding{Kind::Legacy, LegacyEncoding::EucKr}));
    // A line that is valid UTF-8 by chance is still read in the declared encoding.
    EXPECT_EQ(ReadLines("<meta charset=macintosh>\nl\xD5\x8Etat"),
              (Strings{"<meta charset=macintosh>", "l’état"}));
    // The UTF-8 byte-order mark is dropped before decoding.
    EXPECT_EQ(ReadLines("\xEF\xBB\xBF<meta charset=windows-1251>\xC4\xE0"),
              Strings{"<meta charset=windows-1251>Да"});
}

TEST(DocumentReader, DeclarationPastTheFirst1024BytesDoesNotCount) {
    const std::string late = std::string(1024, ' ') + "<meta charset=windows-1251>\n\xC4\xE0";
    DocumentEncoding encoding;
    EXPECT_EQ(ReadLines(late, DocumentReader::kWholeFile, &encoding).back(), "\xC4\xE0");
    EXPECT_EQ(encoding, DocumentEncoding{});
}

TEST(DocumentReader, Utf16InBothByteOrders) {
    const std::u16string text = u"<p>K\u00F6r\r\nzw\u00F6lf\rdrei\n\nvier \U0001F600\r\n";
    const Strings expected = {"<p>Kör", "zwölf", "drei", "", "vier 😀"};
    DocumentEncoding encoding;
    EXPECT_EQ(ReadLines(Utf16(text, false), DocumentReader::kWholeFile, &encoding), expected);
    EXPECT_EQ(encoding.kind, Kind::Utf16LE);
    EXPECT_EQ(ReadLines(Utf16(text, true), DocumentReader::kWholeFile, &encoding), expected);
    EXPECT_EQ(encoding.kind, Kind::Utf16BE);
    // A declared label inside does not change anything.
    EXPECT_EQ(ReadLines(Utf16(u"<meta charset=euc-kr>\u00E9", false)),
              Strings{"<meta charset=euc-kr>é"});
}

TEST(DocumentReader, BrokenUtf16GivesReplacementCharacters) {
    // An unpaired surrogate, then a final odd byte.
    EXPECT_EQ(ReadLines(Utf16(u"a\xD800"
                              "b\nc",
                              false) +
                        "x"),
              (Strings{"a\uFFFDb", "c\uFFFD"}));
    EXPECT_EQ(ReadLines(Utf16(u"a\n\xDC00", true)), (Strings{"a", "\uFFFD"}));
}

TEST(DocumentReader, LongUtf16FileSplitsAcrossChunks) {
    std::u16string text;
    for (int i = 0; i < 30000; ++i) {
        text += u"w\u00F6rt\r\n"; // CR LF pairs fall on every chunk boundary somewhere
    }
    const Strings lines = ReadLines(Utf16(text, false));
    ASSERT_EQ(lines.size(), 30000u);
    EXPECT_EQ(lines.front(), "wört");
    EXPECT_EQ(lines.back(), "wört");
}

TEST(DocumentReader, EndsLinesAtCrLfCrOrLf) {
    EXPECT_EQ(ReadLines("a\r\nb\rc\nd"), (Strings{"a", "b", "c", "d"}));
    EXPECT_EQ(ReadLines("a\n\rb"), (Strings{"a", "", "b"})); // LF then CR is two line ends
    EXPECT_EQ(ReadLines("a\r\r\nb\r\n"), (Strings{"a", "", "b"}));
    EXPECT_EQ(ReadLines(""), Strings{});
    // The byte order mark is dropped at the very start only.
    EXPECT_EQ(ReadLines("\xEF\xBB\xBF"
                        "a\n\xEF\xBB\xBF"),
              (Strings{"a", "\xEF\xBB\xBF"}));
    EXPECT_EQ(ReadLines("\xEF\xBB"), Strings{"\xEF\xBB"});
}

// Lines of many lengths with every kind of line end, over several pieces of the file: the lines
// given as views (of the reader's buffer, or of the storage when a line spans two pieces) are
// the lines split by hand, a CR LF pair cut by a piece's end included.
TEST(DocumentReader, LinesAsViewsAcrossPieces) {
    const char* const ends[] = {"\n", "\r\n", "\r"};
    std::string bytes;
    Strings expected;
    for (int i = 0; bytes.size() < 400000; ++i) {
        expected.push_back(std::string(static_cast<std::size_t>((i * 7919) % 3001), 'a' + i % 26));
        bytes += expected.back() + ends[i % 3];
    }
    DocumentReader reader;
    ASSERT_TRUE(reader.open(testing::WriteTempFile(bytes)));
    Strings lines;
    std::string storage;
    for (std::string_view line; reader.nextUndecoded(line, storage);) {
        lines.emplace_back(line);
    }
    EXPECT_EQ(reader.error(), "");
    EXPECT_EQ(lines, expected);
}

TEST(DocumentReader, ByteLimitReadsTheStartAsIfItWereTheWholeFile) {
    EXPECT_EQ(ReadLines("alpha\nbeta\ngamma", 8), (Strings{"alpha", "be"}));
    EXPECT_EQ(ReadLines("<meta charset=koi8-r>\n\xE4\xC1 \xE4\xC1", 24),
              (Strings{"<meta charset=koi8-r>", "Да"}));
    // A surrogate pair cut by the limit counts as unpaired.
    EXPECT_EQ(ReadLines(Utf16(u"ab\U0001F600", false), 8), Strings{"ab\uFFFD"});
    const std::string big(200000, 'x');
    EXPECT_EQ(ReadLines(big, 65536), Strings{std::string(65536, 'x')});
}

// A limit that falls inside a UTF-8 character leaves the whole character out, so that the last
// line stays valid UTF-8; bytes that the rest of the file does not complete are kept.
TEST(DocumentReader, ByteLimitInsideACharacterLeavesItOut) {
    const struct {
        std::string bytes;
        std::size_t limit;
        std::string lastLine;
    } cases[] = {
        {"abc\xD0\xB6xyz", 4, "abc"},                 // ж cut after its first byte
        {"abc\xE4\xB8\xADxyz", 4, "abc"},             // 中 cut after one byte
        {"abc\xE4\xB8\xADxyz", 5, "abc"},             // ... and after two
        {"abc\xF0\x9D\x94\x9Exyz", 6, "abc"},         // 𝔞 cut after three
        {"abc\xE4\xB8\xADxyz", 6, "abc\xE4\xB8\xAD"}, // a limit after the character
        // Not completed: no character to leave out.
        {"abc\xD0xyz", 4, "abc\xD0"},
        {"abc\xE4\xB8xyz", 5, "abc\xE4\xB8"},
        {"abc\xED\xA0\x80xyz", 4, "abc\xED"}, // a surrogate is no character either
    };
    for (const auto& c : cases) {
        const Strings lines = ReadLines(c.bytes, c.limit);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), c.lastLine) << "limit " << c.limit << " of " << c.bytes.size();
    }
}

TEST(DocumentReader, MissingFileIsAnError) {
    DocumentReader reader;
    EXPECT_FALSE(reader.open("/nonexistent/page.html"));
    EXPECT_NE(reader.error(), "");
    std::string line = "x";
    EXPECT_FALSE(reader.next(line));
}

} // namespace
} // namespace orvanta
