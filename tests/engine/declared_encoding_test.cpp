#include "engine/reading/declared_encoding.h"

#include <gtest/gtest.h>
#include <string>

namespace orvanta {
namespace {

using Kind = DocumentEncoding::Kind;
using namespace std::string_view_literals;

TEST(DeclaredLabel, MetaCharsetInEitherForm) {
    EXPECT_EQ(FindDeclaredLabel("<html><head><META http-equiv=\"Content-Type\" "
                                "content=\"text/html; charset=EUC-KR\">"),
              "euc-kr");
    EXPECT_EQ(FindDeclaredLabel("<meta charset=\"windows-1251\">"), "windows-1251");
    EXPECT_EQ(FindDeclaredLabel("<meta charset='Shift_JIS'/>"), "shift_jis");
    EXPECT_EQ(FindDeclaredLabel("<meta charset = \t\r\n koi8-r >"), "koi8-r");
    EXPECT_EQ(FindDeclaredLabel("<meta content='text/html;charset=x-mac-roman;foo'>"),
              "x-mac-roman");
    EXPECT_EQ(FindDeclaredLabel("<meta charset=iso_8859-2:1987>"), "iso_8859-2:1987");
}

TEST(DeclaredLabel, FirstMetaThatGivesALabelDecides) {
    EXPECT_EQ(FindDeclaredLabel("<meta name=viewport><meta charset=\"\"><meta charset=euc-jp>"
                                "<meta charset=gbk>"),
              "euc-jp");
    // Only the first "charset" inside a tag counts, and it needs its "=".
    EXPECT_EQ(FindDeclaredLabel("<meta name=charset content=\"charset=big5\"><meta charset=gbk>"),
              "gbk");
    // "charset" beyond the tag's ">" is not part of that tag.
    EXPECT_EQ(FindDeclaredLabel("<meta name=x> charset=big5"), "");
    // A tag cut by the end of the searched bytes runs to that end.
    EXPECT_EQ(FindDeclaredLabel("<meta charset=big5"), "big5");
}

TEST(DeclaredLabel, XmlDeclarationWhenNoMetaGivesOne) {
    EXPECT_EQ(FindDeclaredLabel("<?xml version=\"1.0\" encoding=\"ISO-8859-5\"?><html>"),
              "iso-8859-5");
    EXPECT_EQ(FindDeclaredLabel("\xEF\xBB\xBF<?xml version='1.0' encoding = 'koi8-u' ?>"),
              "koi8-u");
    EXPECT_EQ(FindDeclaredLabel("<?xml version=\"1.0\" encoding=\"euc-kr\"?>"
                                "<meta charset=\"utf-8\">"),
              "utf-8");
    // Only at the very start, and only inside the declaration.
    EXPECT_EQ(FindDeclaredLabel(" <?xml version=\"1.0\" encoding=\"euc-kr\"?>"), "");
    EXPECT_EQ(FindDeclaredLabel("<?xml version=\"1.0\"?><x encoding=\"euc-kr\">"), "");
}

TEST(DeclaredLabel, OnlyTheFirst1024BytesCount) {
    const std::string padding(1024 - std::string("<meta charset=").size(), ' ');
    // The label would start at byte 1,024: not seen.
    EXPECT_EQ(FindDeclaredLabel(padding + "<meta charset=euc-kr>"), "");
    // Cut after its first letters: used as cut, and a cut label is normally unknown.
    const std::string cut = padding.substr(4) + "<meta charset=euc-kr>";
    EXPECT_EQ(FindDeclaredLabel(cut), "euc-");
    EXPECT_EQ(DetectDocumentEncoding(cut).kind, Kind::Default);
    // Cut so that what is left is another label.
    const std::string koi = padding.substr(6) + "<meta charset=koi8-ru>";
    EXPECT_EQ(FindDeclaredLabel(koi), "koi8-r");
    EXPECT_EQ(DetectDocumentEncoding(koi), (DocumentEncoding{Kind::Legacy, LegacyEncoding::Koi8R}));
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

TEST(DeclaredEncoding, EveryLegacyEncodingHasAConverterName) {
    EXPECT_EQ(ConverterName(LegacyEncoding::None), nullptr);
    EXPECT_STREQ(ConverterName(LegacyEncoding::Iso8859_8I), "ISO-8859-8");
    EXPECT_STREQ(ConverterName(LegacyEncoding::Gbk), "GB18030");
    EXPECT_STREQ(ConverterName(LegacyEncoding::Big5), "BIG5-HKSCS");
    EXPECT_STREQ(ConverterName(LegacyEncoding::ShiftJis), "CP932");
    EXPECT_STREQ(ConverterName(LegacyEncoding::EucKr), "CP949");
    for (int e = static_cast<int>(LegacyEncoding::Ibm866);
         e <= static_cast<int>(LegacyEncoding::EucKr); ++e) {
        EXPECT_NE(ConverterName(static_cast<LegacyEncoding>(e)), nullptr) << e;
    }
}

TEST(DeclaredEncoding, ByteOrderMarkComesBeforeAnyLabel) {
    EXPECT_EQ(DetectDocumentEncoding("\xFF\xFE<\0m\0"sv), (DocumentEncoding{Kind::Utf16LE}));
    EXPECT_EQ(DetectDocumentEncoding("\xFE\xFF\0<\0m"sv), (DocumentEncoding{Kind::Utf16BE}));
    EXPECT_EQ(DetectDocumentEncoding("\xFF\xFE<meta charset=euc-kr>"),
              (DocumentEncoding{Kind::Utf16LE}));
    // A UTF-8 mark does not override a declared legacy encoding.
    EXPECT_EQ(DetectDocumentEncoding("\xEF\xBB\xBF<meta charset=cp1251>"),
              (DocumentEncoding{Kind::Legacy, LegacyEncoding::Windows1251}));
    EXPECT_EQ(DetectDocumentEncoding("<meta charset=utf-8>"), DocumentEncoding{});
    EXPECT_EQ(DetectDocumentEncoding(""), DocumentEncoding{});
}

} // namespace
} // namespace orvanta
