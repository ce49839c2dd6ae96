#include "engine/line_preparation.h"

#include "util/string_utils.h"
#include "util/text_codec.h"
#include "util/unicode_lower.h"

#include <array>

namespace orvanta {
namespace {

struct Replacement {
    std::u32string_view from;
    std::u32string_view to;
};

// Entity rows that run before the tag rows.
constexpr std::array<Replacement, 5> kLeadingEntities = {{
    {U"&nbsp;", U" "},
    {U"&#160;", U" "},
    {U"&quot;", U"\""},
    {U"&laquo;", U"\""},
    {U"&raquo;", U"\""},
}};

constexpr std::array<Replacement, 16> kTags = {{
    {U"<b>", U"\x0B"},
    {U"</b>", U"\x0C"},
    {U"<title>", U"\x0E"},
    {U"</title>", U"\x0F"},
    {U"<h1>", U"\x06"},
    {U"</h1>", U"\x07"},
    {U"<h2>", U"\x05"},
    {U"</h2>", U"\x07"},
    {U"<h3>", U"\x04"},
    {U"</h3>", U"\x07"},
    {U"<h4>", U"\x03"},
    {U"</h4>", U"\x07"},
    {U"<h5>", U"\x02"},
    {U"</h5>", U"\x07"},
    {U"<h6>", U"\x01"},
    {U"</h6>", U"\x07"},
}};

// Letter entities, in their fixed order. Order matters: a replacement can complete a later
// entity ("&&auml;lig;" becomes "&aelig;", which a later row then replaces).
constexpr std::array<Replacement, 30> kLetterEntities = {{
    {U"&auml;", U"ae"},  {U"&ouml;", U"oe"},  {U"&uuml;", U"ue"},  {U"&szlig;", U"ss"},
    {U"&agrave;", U"a"}, {U"&aacute;", U"a"}, {U"&acirc;", U"a"},  {U"&atilde;", U"a"},
    {U"&aring;", U"a"},  {U"&aelig;", U"ae"}, {U"&ccedil;", U"c"}, {U"&egrave;", U"e"},
    {U"&eacute;", U"e"}, {U"&ecirc;", U"e"},  {U"&euml;", U"e"},   {U"&igrave;", U"i"},
    {U"&iacute;", U"i"}, {U"&icirc;", U"i"},  {U"&iuml;", U"i"},   {U"&eth;", U"d"},
    {U"&ntilde;", U"n"}, {U"&ograve;", U"o"}, {U"&oacute;", U"o"}, {U"&ocirc;", U"o"},
    {U"&otilde;", U"o"}, {U"&ugrave;", U"u"}, {U"&uacute;", U"u"}, {U"&ucirc;", U"u"},
    {U"&yacute;", U"y"}, {U"&yuml;", U"y"},
}};

void ReplaceEntities(std::u32string& line, const Replacement* first, const Replacement* last) {
    for (const Replacement* r = first; r != last; ++r) {
        // No replacement produces an ampersand, so once none is left no row can match.
        if (line.find(U'&') == std::u32string::npos) {
            return;
        }
        text::ReplaceAll(line, r->from, r->to);
    }
}

// The tag rows cannot create or overlap one another's matches (their replacements are control
// characters, which no row contains), so one left-to-right pass gives the same result as running
// the rows one after another.
void ReplaceTags(std::u32string& line) {
    if (line.find(U'<') == std::u32string::npos) {
        return;
    }
    std::u32string out;
    out.reserve(line.size());
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == U'<') {
            const std::u32string_view rest = std::u32string_view(line).substr(i);
            const Replacement* hit = nullptr;
            for (const Replacement& r : kTags) {
                if (rest.starts_with(r.from)) {
                    hit = &r;
                    break;
                }
            }
            if (hit != nullptr) {
                out.append(hit->to);
                i += hit->from.size();
                continue;
            }
        }
        out.push_back(line[i]);
        ++i;
    }
    line = std::move(out);
}

std::u32string_view FoldedLetter(char32_t c) {
    switch (c) {
    case U'ä':
        return U"ae";
    case U'ö':
        return U"oe";
    case U'ü':
        return U"ue";
    case U'ß':
        return U"ss";
    case U'à':
    case U'á':
    case U'â':
    case U'ã':
    case U'å':
        return U"a";
    case U'æ':
        return U"ae";
    case U'ç':
        return U"c";
    case U'è':
    case U'é':
    case U'ê':
    case U'ë':
        return U"e";
    case U'ì':
    case U'í':
    case U'î':
    case U'ï':
        return U"i";
    case U'ð':
        return U"d";
    case U'ñ':
        return U"n";
    case U'ò':
    case U'ó':
    case U'ô':
    case U'õ':
        return U"o";
    case U'ù':
    case U'ú':
    case U'û':
        return U"u";
    case U'ý':
    case U'ÿ':
        return U"y";
    default:
        return {};
    }
}

} // namespace

void NormaliseLine(std::u32string& line) {
    ReplaceEntities(line, kLeadingEntities.begin(), kLeadingEntities.end());
    ReplaceTags(line);
    ReplaceEntities(line, kLetterEntities.begin(), kLetterEntities.end());
}

void FoldAccentedLetters(std::u32string& text) {
    bool any = false;
    for (const char32_t c : text) {
        if (c >= 0xDF && c <= 0xFF) {
            any = true;
            break;
        }
    }
    if (!any) {
        return;
    }
    std::u32string out;
    out.reserve(text.size() + 8);
    for (const char32_t c : text) {
        const std::u32string_view folded = FoldedLetter(c);
        if (folded.empty()) {
            out.push_back(c);
        } else {
            out.append(folded);
        }
    }
    text = std::move(out);
}

bool PrepareLine(std::string_view rawBytes, std::u32string& line) {
    line = text::DecodeLine(rawBytes);
    text::LowerCaseInPlace(line);
    const std::u32string_view trimmed = text::TrimSpaces(line);
    if (trimmed.empty()) {
        return false;
    }
    if (trimmed.size() != line.size()) {
        line = std::u32string(trimmed);
    }
    NormaliseLine(line);
    FoldAccentedLetters(line);
    line.push_back(text::kSpace);
    return true;
}

} // namespace orvanta
