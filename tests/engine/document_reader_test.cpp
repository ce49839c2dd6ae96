#include "engine/reading/document_reader.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvanta {
namespace {

using Strings = std::vector<std::string>;
using Kind = DocumentEncoding::Kind;
using testing::Utf16;

// Line ends, byte-order marks, the encoding the first bytes decide (how each encoding decodes
// is the decoders' and the declaration's own test), a byte limit that reads the start of the
// file as if it were the whole file, and a line past the bound (lowered here to 4,096 bytes),
// which ends the reading with an error naming the line.
TEST(DocumentReader, LinesInTheEncodingTheFileDeclares) {
    const DocumentEncoding koi8r{Kind::Legacy, LegacyEncoding::Koi8R};
    const DocumentEncoding mac{Kind::Legacy, LegacyEncoding::Macintosh};
    const std::u16string text = u"<p>K\u00F6r\r\nzw\u00F6lf\rdrei\n\nvier \U0001F600\r\n";
    const Strings textLines = {"<p>Kör", "zwölf", "drei", "", "vier 😀"};
    std::u16string longText;
    for (int i = 0; i < 30000; ++i) {
        longText += u"w\u00F6rt\r\n"; // CR LF pairs fall on every chunk boundary somewhere
    }
    const struct {
        std::string bytes;
        Strings lines;
        DocumentEncoding encoding = {};
        std::size_t limit = DocumentReader::kWholeFile;
        std::string error = "";
    } rows[] = {
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\n\rb", {"a", "", "b"}}, // LF then CR is two line ends
        {"a\r\r\nb\r\n", {"a", "", "b"}},
        {"", {}},
        // The UTF-8 mark is dropped at the very start only; without a declaration lines stay
        // the file's bytes, valid UTF-8 or not.
        {"\uFEFFa\n\uFEFF", {"a", "\uFEFF"}},
        {"\xEF\xBB", {"\xEF\xBB"}},
        {"caf\xC3\xA9\r\ncaf\xE9", {"caf\xC3\xA9", "caf\xE9"}},
        {"<meta charset=utf-8>\n\xE9", {"<meta charset=utf-8>", "\xE9"}},
        // A declared legacy encoding decodes every line, one valid as UTF-8 by chance included,
        // and after a UTF-8 mark.
        {"<META http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-KR\">\r\n"
         "\xBC\xB3\xC1\xA4\xC6\xC4\xC0\xCF\r",
         {"<META http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-KR\">", "설정파일"},
         {Kind::Legacy, LegacyEncoding::EucKr}},
        {"<meta charset=macintosh>\nl\xD5\x8Etat", {"<meta charset=macintosh>", "l’état"}, mac},
        {"\xEF\xBB\xBF<meta charset=koi8-r>\xE4\xC1", {"<meta charset=koi8-r>Да"}, koi8r},
        // UTF-16 in both byte orders; an odd final byte is a broken character.
        {Utf16(text, false), textLines, {Kind::Utf16LE}},
        {Utf16(text, true), textLines, {Kind::Utf16BE}},
        {Utf16(u"a\xD800z\nc", false) + "x", {"a\uFFFDz", "c\uFFFD"}, {Kind::Utf16LE}},
        {Utf16(longText, false), Strings(30000, "wört"), {Kind::Utf16LE}},
        // Byte limits. A surrogate pair cut by the limit counts as unpaired.
        {"alpha\nbeta\ngamma", {"alpha", "be"}, {}, 8},
        {"<meta charset=koi8-r>\n\xE4\xC1 \xE4\xC1", {"<meta charset=koi8-r>", "Да"}, koi8r, 24},
        {Utf16(u"ab\U0001F600", false), {"ab\uFFFD"}, {Kind::Utf16LE}, 8},
        {std::string(200000, 'x'), {std::string(4096, 'x')}, {}, 4096}, // as long as the bound
        {"a\n" + std::string(4097, 'x'), {"a"}, {}, 8192, "Line 2 is longer than 4096 bytes"},
        // A limit inside a UTF-8 character leaves the character out, so that the last line stays
        // valid UTF-8; bytes that the rest of the file does not complete are kept.
        {"abc\xD0\xB6xyz", {"abc"}, {}, 4},         // ж cut after its first byte
        {"abc\xE4\xB8\xADxyz", {"abc"}, {}, 4},     // 中 cut after one byte
        {"abc\xE4\xB8\xADxyz", {"abc"}, {}, 5},     // ... and after two
        {"abc\xF0\x9D\x94\x9Exyz", {"abc"}, {}, 6}, // 𝔞 cut after three
        {"abc\xE4\xB8\xADxyz", {"abc\xE4\xB8\xAD"}, {}, 6},
        {"abc\xD0xyz", {"abc\xD0"}, {}, 4},
        {"abc\xE4\xB8xyz", {"abc\xE4\xB8"}, {}, 5},
        {"abc\xED\xA0\x80xyz", {"abc\xED"}, {}, 4}, // a surrogate is no character either
    };
    for (const auto& r : rows) {
        DocumentReader reader;
        reader.setMaxLineBytes(4096);
        ASSERT_TRUE(reader.open(testing::WriteTempFile(r.bytes), r.limit)) << reader.error();
        Strings lines;
        for (std::string line; reader.next(line);) {
            lines.push_back(line);
        }
        EXPECT_EQ(reader.error(), r.error);
        EXPECT_EQ(lines, r.lines) << r.bytes.substr(0, 80) << " limit " << r.limit;
        EXPECT_EQ(reader.encoding(), r.encoding) << r.bytes.substr(0, 80);
    }
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

} // namespace
} // namespace orvanta
