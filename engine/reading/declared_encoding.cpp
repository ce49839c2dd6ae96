#include "engine/reading/declared_encoding.h"

#include <algorithm>
#include <iterator>

namespace orvanta {
namespace {

struct Label {
    std::string_view label;
    LegacyEncoding encoding;
};

constexpr Label kLabels[] = {
#include "engine/reading/encoding_labels_table.inc"
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsLabelCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' ||
           c == ':';
}

std::string LowerCaseAscii(std::string_view bytes) {
    std::string lower(bytes);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// After a keyword: optional white space, "=", optional white space, one optional quote, then the
// label run. Empty when there is no "=" or no label character.
std::string_view LabelAfterKeyword(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    if (i == text.size() || text[i] != '=') {
        return {};
    }
    ++i;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '"' || text[i] == '\'')) {
        ++i;
    }
    const std::size_t start = i;
    while (i < text.size() && IsLabelCharacter(text[i])) {
        ++i;
    }
    return text.substr(start, i - start);
}

std::string_view LabelFromMetaTags(std::string_view text) {
    constexpr std::string_view kMeta = "<meta";
    constexpr std::string_view kCharset = "charset";
    for (std::size_t meta = text.find(kMeta); meta != std::string_view::npos;
         meta = text.find(kMeta, meta + kMeta.size())) {
        const std::size_t close = text.find('>', meta);
        const std::string_view tag = text.substr(
            meta, close == std::string_view::npos ? std::string_view::npos : close - meta);
        const std::size_t charset = tag.find(kCharset);
        if (charset == std::string_view::npos) {
            continue;
        }
        const std::string_view label = LabelAfterKeyword(tag.substr(charset + kCharset.size()));
        if (!label.empty()) {
            return label;
        }
    }
    return {};
}

std::string_view LabelFromXmlDeclaration(std::string_view text) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    constexpr std::string_view kEncoding = "encoding";
    if (text.starts_with(kUtf8Mark)) {
        text.remove_prefix(kUtf8Mark.size());
    }
    if (!text.starts_with("<?xml")) {
        return {};
    }
    const std::string_view declaration = text.substr(0, text.find("?>"));
    const std::size_t encoding = declaration.find(kEncoding);
    if (encoding == std::string_view::npos) {
        return {};
    }
    return LabelAfterKeyword(declaration.substr(encoding + kEncoding.size()));
}

} // namespace

std::string FindDeclaredLabel(std::string_view firstBytes) {
    const std::string text = LowerCaseAscii(firstBytes.substr(0, kDeclarationWindow));
    std::string_view label = LabelFromMetaTags(text);
    if (label.empty()) {
        label = LabelFromXmlDeclaration(text);
    }
    return std::string(label);
}

LegacyEncoding LegacyEncodingForLabel(std::string_view label) {
    const auto* end = std::end(kLabels);
    const auto* it = std::lower_bound(
        std::begin(kLabels), end, label,
        [](const Label& entry, std::string_view wanted) { return entry.label < wanted; });
    return (it != end && it->label == label) ? it->encoding : LegacyEncoding::None;
}

DocumentEncoding DetectDocumentEncoding(std::string_view firstBytes) {
    using Kind = DocumentEncoding::Kind;
    if (firstBytes.starts_with("\xFF\xFE")) {
        return {Kind::Utf16LE, LegacyEncoding::None};
    }
    if (firstBytes.starts_with("\xFE\xFF")) {
        return {Kind::Utf16BE, LegacyEncoding::None};
    }
    const LegacyEncoding legacy = LegacyEncodingForLabel(FindDeclaredLabel(firstBytes));
    if (legacy == LegacyEncoding::None) {
        return {};
    }
    return {Kind::Legacy, legacy};
}

const char* ConverterName(LegacyEncoding encoding) {
    switch (encoding) {
    case LegacyEncoding::None:
        return nullptr;
    case LegacyEncoding::Ibm866:
        return "IBM866";
    case LegacyEncoding::Iso8859_2:
        return "ISO-8859-2";
    case LegacyEncoding::Iso8859_3:
        return "ISO-8859-3";
    case LegacyEncoding::Iso8859_4:
        return "ISO-8859-4";
    case LegacyEncoding::Iso8859_5:
        return "ISO-8859-5";
    case LegacyEncoding::Iso8859_6:
        return "ISO-8859-6";
    case LegacyEncoding::Iso8859_7:
        return "ISO-8859-7";
    case LegacyEncoding::Iso8859_8:
    case LegacyEncoding::Iso8859_8I: // logical order changes nothing for decoding
        return "ISO-8859-8";
    case LegacyEncoding::Iso8859_10:
        return "ISO-8859-10";
    case LegacyEncoding::Iso8859_13:
        return "ISO-8859-13";
    case LegacyEncoding::Iso8859_14:
        return "ISO-8859-14";
    case LegacyEncoding::Iso8859_15:
        return "ISO-8859-15";
    case LegacyEncoding::Iso8859_16:
        return "ISO-8859-16";
    case LegacyEncoding::Koi8R:
        return "KOI8-R";
    case LegacyEncoding::Koi8U:
        return "KOI8-U";
    case LegacyEncoding::Macintosh:
        return "MACINTOSH";
    case LegacyEncoding::MacCyrillic:
        return "MAC-CYRILLIC";
    case LegacyEncoding::Windows874:
        return "CP874";
    case LegacyEncoding::Windows1250:
        return "CP1250";
    case LegacyEncoding::Windows1251:
        return "CP1251";
    case LegacyEncoding::Windows1253:
        return "CP1253";
    case LegacyEncoding::Windows1254:
        return "CP1254";
    case LegacyEncoding::Windows1255:
        return "CP1255";
    case LegacyEncoding::Windows1256:
        return "CP1256";
    case LegacyEncoding::Windows1257:
        return "CP1257";
    case LegacyEncoding::Windows1258:
        return "CP1258";
    case LegacyEncoding::Gbk:
    case LegacyEncoding::Gb18030: // GBK text is GB18030 text
        return "GB18030";
    case LegacyEncoding::Big5:
        return "BIG5-HKSCS"; // Big5 as written on the web carries the HKSCS extensions
    case LegacyEncoding::EucJp:
        return "EUC-JP";
    case LegacyEncoding::Iso2022Jp:
        return "ISO-2022-JP";
    case LegacyEncoding::ShiftJis:
        return "CP932"; // the Windows form, which is what pages labelled Shift_JIS use
    case LegacyEncoding::EucKr:
        return "CP949"; // EUC-KR plus the unified Hangul extension
    }
    return nullptr;
}

} // namespace orvanta
