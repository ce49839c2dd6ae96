#include "core/output_text.h"

#include "core/word_list_text.h"

namespace orvanta::core {
namespace {

// The first of the summary lines under a tag; the clipboard copy ends where it begins.
constexpr std::string_view kKeywordCountLine = "Number of keywords in meta tag";

} // namespace

std::string NoWordsMessage(const AnalysisSettings& settings) {
    const int size = settings.shortWordSize;
    const int frequency = settings.minFrequency;
    std::string message = "No words with more than " + std::to_string(size) + " letter";
    if (size > 1) {
        message += "s";
    }
    message += " occur at least ";
    if (frequency == 1) {
        message += "once.";
    } else if (frequency == 2) {
        message += "twice.";
    } else {
        message += std::to_string(frequency) + " times.";
    }
    return message;
}

std::string TagBoxText(const ComposedTag& tag, const AnalysisSettings& settings) {
    if (tag.noWords) {
        return NoWordsMessage(settings);
    }
    return tag.tagLine + "\r\n\r\n" + std::string(kKeywordCountLine) + ": " +
           std::to_string(tag.keywordCount) +
           "\r\nNumber of bytes in meta tag: " + std::to_string(tag.byteCount);
}

std::string ClipboardText(std::string_view boxText) {
    return std::string(boxText.substr(0, boxText.find(kKeywordCountLine)));
}

std::string WordListBoxText(const std::vector<WordEntry>& ranked,
                            const AnalysisSettings& settings) {
    return ranked.empty() ? NoWordsMessage(settings) : WriteWordList(ranked);
}

std::string ExistingKeywordsText(const ExistingKeywords& existing) {
    switch (existing.outcome) {
    case ExistingKeywordsOutcome::Found:
        return "Existing keyword meta tag:\r\n" + existing.tag;
    case ExistingKeywordsOutcome::ReadError:
        // The reason follows on the same line, so the command's one-line error keeps it.
        return existing.error.empty()
                   ? "Error when looking for keywords meta tag."
                   : "Error when looking for keywords meta tag. " + existing.error;
    case ExistingKeywordsOutcome::NotFound:
        break;
    }
    return "No keyword meta tag found.";
}

std::string WithLineFeeds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
    }
    return out;
}

} // namespace orvanta::core
