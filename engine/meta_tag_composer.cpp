#include "engine/line_preparation.h"
#include "engine/output.h"
#include "engine/settings.h"
#include "util/number_reading.h"
#include "util/string_utils.h"
#include "util/text_codec.h"
#include "util/unicode_lower.h"

namespace orvanta {
namespace {

constexpr std::u32string_view kOpening = U"<META NAME=\"keywords\" CONTENT=\"";

// The begin text as it enters the tag: ", " closed up once at each place, one final comma
// dropped, lower case, leading spaces removed.
std::u32string PhraseText(std::u32string_view trimmedBegin) {
    std::u32string p(trimmedBegin);
    text::ReplaceAll(p, U", ", U",");
    if (!p.empty() && p.back() == U',') {
        p.pop_back();
    }
    text::LowerCaseInPlace(p);
    p.erase(0, p.find_first_not_of(text::kSpace) == std::u32string::npos
                   ? p.size()
                   : p.find_first_not_of(text::kSpace));
    return p;
}

std::vector<std::string> SplitPhrases(std::u32string_view phrases) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = phrases.find(U',', start);
        out.push_back(text::ToUtf8(phrases.substr(start, comma - start)));
        if (comma == std::u32string_view::npos) {
            return out;
        }
        start = comma + 1;
    }
}

} // namespace

ComposedTag ComposeMetaTag(const std::vector<WordEntry>& ranked, const Settings& settings) {
    ComposedTag result;
    if (ranked.empty()) {
        result.text = NoWordsMessage(settings);
        result.beginTextShown = settings.BeginMetaTagWith;
        result.noWords = true;
        return result;
    }
    const std::int64_t maxKeywords =
        text::RoundToInt32(text::ReadLeadingNumber(settings.MaxNumKeywordsInMetaTag));
    const std::int64_t maxBytes =
        text::RoundToInt32(text::ReadLeadingNumber(settings.MaxNumBytesInMetaTag));

    std::u32string tag(kOpening);
    const std::u32string begin(text::TrimSpaces(text::FromHostText(settings.BeginMetaTagWith)));
    result.beginTextShown = text::ToUtf8(begin);

    std::int64_t count = 0;
    std::u32string phrases;
    if (!begin.empty()) {
        phrases = PhraseText(begin);
        // A begin text that was only a comma places no phrase at all.
        if (!phrases.empty()) {
            tag += phrases;
            count = static_cast<std::int64_t>(text::CountChar(phrases, U',')) + 1;
            result.keywords = SplitPhrases(phrases);
        }
    }
    // Words are compared with the phrases as document text is: accented letters folded.
    std::u32string foldedPhrases = phrases;
    FoldAccentedLetters(foldedPhrases);

    auto length = static_cast<std::int64_t>(tag.size());
    std::u32string word;
    for (const WordEntry& entry : ranked) {
        if (maxKeywords > 0 && count + 1 > maxKeywords) {
            break;
        }
        const auto wordLength = static_cast<std::int64_t>(entry.text.size());
        if (maxBytes > 0 && length + wordLength + 1 > maxBytes) {
            break;
        }
        word.assign(entry.text.begin(), entry.text.end());
        if (foldedPhrases.find(word) != std::u32string::npos) {
            continue;
        }
        if (count > 0) {
            tag += U',';
        }
        tag += word;
        ++count;
        length = static_cast<std::int64_t>(tag.size());
        result.keywords.push_back(entry.text);
    }
    tag += U"\">";

    result.keywordCount = count;
    result.byteCount = length;
    result.text = text::ToUtf8(tag) +
                  "\r\n\r\nNumber of keywords in meta tag: " + std::to_string(count) +
                  "\r\nNumber of bytes in meta tag: " + std::to_string(length);
    return result;
}

} // namespace orvanta
