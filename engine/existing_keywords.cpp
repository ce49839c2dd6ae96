#include "engine/line_reader.h"
#include "engine/output.h"
#include "util/string_utils.h"
#include "util/text_codec.h"
#include "util/unicode_lower.h"

namespace orvanta {

std::string ShowExistingKeywords(const std::string& path) {
    static const std::string kNotFound = "No keyword meta tag found.";
    static const std::string kError = "Error when looking for keywords meta tag.";
    LineReader reader;
    if (!reader.open(path)) {
        return kError;
    }
    std::string raw;
    while (reader.next(raw)) {
        std::u32string line = text::DecodeLine(raw);
        text::LowerCaseInPlace(line);
        const std::u32string_view trimmed = text::TrimSpaces(line);
        if (trimmed.find(U"</head>") != std::u32string_view::npos) {
            return kNotFound;
        }
        const std::size_t meta = trimmed.find(U"<meta ");
        if (meta != std::u32string_view::npos &&
            trimmed.find(U"\"keywords\"") != std::u32string_view::npos) {
            return "Existing keyword meta tag:\r\n" + text::ToUtf8(trimmed.substr(meta));
        }
    }
    return reader.error().empty() ? kNotFound : kError;
}

} // namespace orvanta
