#include "engine/output/meta_tag_composer.h"

#include "engine/analysis_settings.h"
#include "engine/preparing/latin_letters.h"
#include "engine/preparing/line_preparation.h"
#include "engine/scanning/script_words.h"
#include "util/nfc.h"
#include "util/string_utils.h"
#include "util/text_codec.h"
#include "util/unicode_lower.h"

namespace orvanta {
namespace {

constexpr std::u32string_view kOpening = U"<META NAME=\"keywords\" CONTENT=\"";
constexpr std::u32string_view kClosing = U"\">";

// The begin text as it enters the tag: ", " closed up once at each place, one final comma
// dropped, lower case, leading spaces removed.
std::u32string PhraseText(std::u32string_view trimmedBegin) {
    std::u32string p(trimmedBegin);
    text::ReplaceAll(p, U", ", U",");
    if (!p.empty() && p.back() == U',') {
        p.pop_back();
    }
    text::LowerCaseInPlace(p);
    const std::size_t first = p.find_first_not_of(text::kSpace);
    p.erase(0, first == std::u32string::npos ? p.size() : first);
    return p;
}

// The phrases as the words are compared with them: composed, and folded and with final sigmas
// written as a page's text is.
std::u32string PhraseTestText(std::u32string_view trimmedBegin) {
    std::u32string begin(trimmedBegin);
    text::ToNfcInPlace(begin);
    std::u32string phrases = PhraseText(begin);
    FoldAccentedLetters(phrases);
    FoldOtherLatinLetters(phrases);
    std::string utf8 = text::ToUtf8(phrases);
    WriteFinalSigmas(utf8);
    return text::DecodeUtf8(utf8);
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

// The tag under construction and the two limits it must respect.
class TagBuilder {
public:
    TagBuilder(const AnalysisSettings& settings, ComposedTag& result)
        : maxKeywords_(settings.maxKeywords), maxBytes_(settings.maxBytes), result_(result),
          tag_(kOpening) {}

    void placePhrases(std::u32string_view trimmedBegin) {
        const std::u32string phrases = PhraseText(trimmedBegin);
        // A begin text that was only a comma places no phrase at all.
        if (phrases.empty()) {
            return;
        }
        tag_ += phrases;
        count_ = static_cast<std::int64_t>(text::CountChar(phrases, U',')) + 1;
        result_.keywords = SplitPhrases(phrases);
        foldedPhrases_ = PhraseTestText(trimmedBegin);
    }

    // Places the ranked words in turn until a limit is reached; words the phrases already
    // contain are passed over.
    void placeWords(const std::vector<WordEntry>& ranked) {
        std::u32string word;
        for (const WordEntry& entry : ranked) {
            if (!fits(static_cast<std::int64_t>(text::CodePointCount(entry.text)))) {
                break;
            }
            word = text::DecodeUtf8(entry.text);
            if (foldedPhrases_.find(word) != std::u32string::npos) {
                continue;
            }
            if (count_ > 0) {
                tag_ += U',';
            }
            tag_ += word;
            ++count_;
            result_.keywords.push_back(entry.text);
        }
    }

    void finish() {
        result_.keywordCount = count_;
        result_.byteCount = static_cast<std::int64_t>(tag_.size());
        tag_ += kClosing;
        result_.tagLine = text::ToUtf8(tag_);
    }

private:
    bool fits(std::int64_t wordLength) const {
        const auto length = static_cast<std::int64_t>(tag_.size());
        return (maxKeywords_ <= 0 || count_ + 1 <= maxKeywords_) &&
               (maxBytes_ <= 0 || length + wordLength + 1 <= maxBytes_);
    }

    std::int64_t maxKeywords_;
    std::int64_t maxBytes_;
    ComposedTag& result_;
    std::u32string tag_;
    std::u32string foldedPhrases_;
    std::int64_t count_ = 0;
};

} // namespace

ComposedTag ComposeMetaTag(const std::vector<WordEntry>& ranked, const AnalysisSettings& settings) {
    ComposedTag result;
    if (ranked.empty()) {
        result.noWords = true;
        result.beginTextShown = settings.beginMetaTagWith;
        return result;
    }
    const std::u32string begin(text::TrimSpaces(text::FromHostText(settings.beginMetaTagWith)));
    result.beginTextShown = text::ToUtf8(begin);
    TagBuilder builder(settings, result);
    if (!begin.empty()) {
        builder.placePhrases(begin);
    }
    builder.placeWords(ranked);
    builder.finish();
    return result;
}

} // namespace orvanta
