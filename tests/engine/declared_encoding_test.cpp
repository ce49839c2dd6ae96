#include "engine/reading/declared_encoding.h"
#include "util/legacy_decoder.h"

#include <gtest/gtest.h>
#include <string>

namespace orvanta {
namespace {

using Kind = DocumentEncoding::Kind;
using namespace std::string_view_literals;

// The label of the first meta tag that gives one, in either form, else of an XML declaration at
// the very start; A-Z lower-cased, and only what lies in the first 1,024 bytes.
TEST(DeclaredLabel, FirstMetaOrXmlDeclarationInTheFirst1024Bytes) {
    const std::string padding(1024 - std::string("<meta charset=").size(), ' ');
    const std::pair<std::string, std::string> rows[] = {
        {"<html><head><META http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-KR\">",
         "euc-kr"},
        {"<meta charset=\"windows-1251\">", "windows-1251"},
        {"<meta charset='Shift_JIS'/>", "shift_jis"},
        {"<meta charset = \t\r\n koi8-r >", "koi8-r"},
        {"<meta content='text/html;charset=x-mac-roman;foo'>", "x-mac-roman"},
        {"<meta charset=iso_8859-2:1987>", "iso_8859-2:1987"},
        {"<meta name=viewport><meta charset=\"\"><meta charset=euc-jp><meta charset=gbk>",
         "euc-jp"},
        // Only the first "charset" inside a tag counts, and it needs its "=".
        {"<meta name=charset content=\"charset=big5\"><meta charset=gbk>", "gbk"},
        // "charset" beyond the tag's ">" is not part of that tag; a tag cut by the end of the
        // searched bytes runs to that end.
        {"<meta name=x> charset=big5", ""},
        {"<meta charset=big5", "big5"},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-5\"?><html>", "iso-8859-5"},
        {"\xEF\xBB\xBF<?xml version='1.0' encoding = 'koi8-u' ?>", "koi8-u"},
        {"<?xml version=\"1.0\" encoding=\"euc-kr\"?><meta charset=\"utf-8\">", "utf-8"},
        {" <?xml version=\"1.0\" encoding=\"euc-kr\"?>", ""},
        {"<?xml version=\"1.0\"?><x encoding=\"euc-kr\">", ""},
        // A label starting at byte 1,024 is not seen; one cut by it is used as cut.
        {padding + "<meta charset=euc-kr>", ""},
        {padding.substr(4) + "<meta charset=euc-kr>", "euc-"},
        {padding.substr(6) + "<meta charset=koi8-ru>", "koi8-r"},
    };
    for (const auto& [html, label] : rows) {
        EXPECT_EQ(FindDeclaredLabel(html), label) << html;
    }
}

TEST(DeclaredEncoding, ByteOrderMarkComesBeforeAnyLabel) {
    const std::pair<std::string_view, DocumentEncoding> rows[] = {
        {"\xFF\xFE<\0m\0"sv, {Kind::Utf16LE}},
        {"\xFE\xFF\0<\0m"sv, {Kind::Utf16BE}},
        {"\xFF\xFE<meta charset=euc-kr>", {Kind::Utf16LE}},
        // A UTF-8 mark does not override a declared legacy encoding.
        {"\xEF\xBB\xBF<meta charset=cp1251>", {Kind::Legacy, LegacyEncoding::Windows1251}},
        {"<meta charset=utf-8>", {}},
    };
    for (const auto& [bytes, encoding] : rows) {
        EXPECT_EQ(DetectDocumentEncoding(bytes), encoding) << bytes;
    }
}

TEST(DeclaredEncoding, LabelsNameTheLegacyEncodingOrKeepTheDefault) {
    EXPECT_EQ(LegacyEncodingForLabel("euc-kr"), LegacyEncoding::EucKr);
    EXPECT_EQ(LegacyEncodingForLabel("ks_c_5601-1987"), LegacyEncoding::EucKr);
    EXPECT_EQ(LegacyEncodingForLabel("x-sjis"), LegacyEncoding::ShiftJis);
    EXPECT_EQ(LegacyEncodingForLabel("cp1251"), LegacyEncoding::Windows1251);
    EXPECT_EQ(LegacyEncodingForLabel("latin2"), LegacyEncoding::Iso8859_2);
    EXPECT_EQ(LegacyEncodingForLabel("iso-8859-9"), LegacyEncoding::Windows1254);
    EXPECT_EQ(LegacyEncodingForLabel("x-gbk"), LegacyEncoding::Gbk);
    EXPECT_EQ(LegacyEncodingForLabel("csiso2022jp"), LegacyEncoding::Iso2022Jp);
    EXPECT_EQ(LegacyEncodingForLabel("logical"), LegacyEncoding::Iso8859_8I);
    for (const char* label :
         {"utf-8", "utf8", "iso-8859-1", "latin1", "us-ascii", "windows-1252", "utf-16", "utf-16be",
          "replacement", "x-user-defined", "", "EUC-KR", "euc-kr ", "klingon"}) {
        EXPECT_EQ(LegacyEncodingForLabel(label), LegacyEncoding::None) << label;
    }
}

// Every legacy encoding has a converter the system opens, and the labels of a subset decode as
// the superset such pages are written in.
TEST(DeclaredEncoding, EveryLegacyEncodingHasAConverterOfItsSuperset) {
    EXPECT_EQ(ConverterName(LegacyEncoding::None), nullptr);
    for (int e = static_cast<int>(LegacyEncoding::Ibm866);
         e <= static_cast<int>(LegacyEncoding::EucKr); ++e) {
        const char* name = ConverterName(static_cast<LegacyEncoding>(e));
        ASSERT_NE(name, nullptr) << e;
        EXPECT_TRUE(text::LegacyLineDecoder(name).isOpen()) << name;
    }
    const struct {
        const char* label;
        std::string bytes;
        std::string text;
    } rows[] = {
        {"gbk", "\x81\x30\x8A\x31", "ä"}, // GB18030's four-byte form
        {"shift_jis", "\x87\x40", "①"},   // CP932
        {"euc-kr", "\x81\x41", "갂"},     // CP949
        {"big5", "\x88\x66", "Ê"},        // HKSCS
        {"logical", "\xE0", "א"},
    };
    for (const auto& r : rows) {
        text::LegacyLineDecoder decoder(ConverterName(LegacyEncodingForLabel(r.label)));
        std::string utf8;
        decoder.decodeLine(r.bytes, utf8);
        EXPECT_EQ(utf8, r.text) << r.label;
    }
}

} // namespace
} // namespace orvanta
