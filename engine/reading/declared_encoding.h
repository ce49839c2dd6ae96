#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// The legacy encodings a page can declare that are decoded with a converter of their own. Every
// other declaration (none, an unknown label, UTF-8, Windows-1252 and its aliases, the UTF-16
// labels, ...) is None: lines are then read as UTF-8 when valid, otherwise as Windows-1252.
enum class LegacyEncoding {
    None,
    Ibm866,
    Iso8859_2,
    Iso8859_3,
    Iso8859_4,
    Iso8859_5,
    Iso8859_6,
    Iso8859_7,
    Iso8859_8,
    Iso8859_8I,
    Iso8859_10,
    Iso8859_13,
    Iso8859_14,
    Iso8859_15,
    Iso8859_16,
    Koi8R,
    Koi8U,
    Macintosh,
    MacCyrillic,
    Windows874,
    Windows1250,
    Windows1251,
    Windows1253,
    Windows1254,
    Windows1255,
    Windows1256,
    Windows1257,
    Windows1258,
    Gbk,
    Gb18030,
    Big5,
    EucJp,
    Iso2022Jp,
    ShiftJis,
    EucKr,
};

// How a whole document is to be decoded.
struct DocumentEncoding {
    enum class Kind {
        Default, // per line: UTF-8 when valid, otherwise Windows-1252
        Utf16LE, // byte-order mark FF FE; the mark is not part of the text
        Utf16BE, // byte-order mark FE FF
        Legacy,  // every line with `legacy`, no UTF-8 attempt
    };
    Kind kind = Kind::Default;
    LegacyEncoding legacy = LegacyEncoding::None;
    friend bool operator==(const DocumentEncoding&, const DocumentEncoding&) = default;
};

// Only this many bytes at the start of a file are searched for a declaration.
inline constexpr std::size_t kDeclarationWindow = 1024;

// Decides from the file's first bytes (at least kDeclarationWindow of them when the file is that
// long): a UTF-16 byte-order mark, else a declared label (see FindDeclaredLabel) that names a
// legacy encoding, else the default.
DocumentEncoding DetectDocumentEncoding(std::string_view firstBytes);

// The label declared in the first kDeclarationWindow bytes, A-Z lower-cased; empty when none.
// First the "<meta" tags in order: the first one whose text up to its ">" holds "charset",
// optional white space, "=", optional white space, an optional quote and a non-empty run of
// a-z 0-9 - _ . : gives the label (this covers both <meta charset=...> and the http-equiv
// Content-Type form). Otherwise, when the bytes (after a UTF-8 byte-order mark) start with
// "<?xml", the "encoding" of that declaration, read the same way. A label cut by the end of the
// window is returned cut.
std::string FindDeclaredLabel(std::string_view firstBytes);

// Looks a label up in the WHATWG label table (exact, lower case).
LegacyEncoding LegacyEncodingForLabel(std::string_view label);

// The glibc iconv name of the converter for a legacy encoding; nullptr for None.
const char* ConverterName(LegacyEncoding encoding);

} // namespace orvanta
