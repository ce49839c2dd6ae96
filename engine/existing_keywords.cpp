#include "engine/existing_keywords.h"

#include "engine/document_reader.h"
#include "util/string_utils.h"
#include "util/text_codec.h"
#include "util/unicode_lower.h"

namespace orvanta {

ExistingKeywords FindExistingKeywords(const std::string& path) {
    ExistingKeywords result;
    DocumentReader reader;
    if (!reader.open(path)) {
        result.outcome = ExistingKeywordsOutcome::ReadError;
        result.error = reader.error();
        return result;
    }
    std::string raw;
    while (reader.next(raw)) {
        std::u32string line = text::DecodeLine(raw);
        text::LowerCaseInPlace(line);
        const std::u32string_view trimmed = text::TrimSpaces(line);
        if (trimmed.find(U"</head>") != std::u32string_view::npos) {
            return result;
        }
        const std::size_t meta = trimmed.find(U"<meta ");
        if (meta != std::u32string_view::npos &&
            trimmed.find(U"\"keywords\"") != std::u32string_view::npos) {
            result.outcome = ExistingKeywordsOutcome::Found;
            result.tag = text::ToUtf8(trimmed.substr(meta));
            return result;
        }
    }
    if (!reader.error().empty()) {
        result.outcome = ExistingKeywordsOutcome::ReadError;
        result.error = reader.error();
    }
    return result;
}

} // namespace orvanta
