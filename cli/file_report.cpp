#include "cli/file_report.h"

#include "cli/json_writer.h"
#include "core/input_file_check.h"
#include "core/messages.h"
#include "core/output_text.h"
#include "core/word_list_text.h"
#include "engine/analysis_run.h"
#include "engine/output/existing_keywords.h"
#include "engine/run_host.h"

namespace orvanta::cli {
namespace {

class FixedSettingsHost : public RunHost {
public:
    FixedSettingsHost(const AnalysisSettings& settings, const IgnoreList& ignore, bool readAhead)
        : settings_(settings), ignore_(ignore), readAhead_(readAhead) {}
    const AnalysisSettings& settings() const override { return settings_; }
    const IgnoreList& ignoreList() const override { return ignore_; }
    bool mayReadAhead() const override { return readAhead_; }

private:
    const AnalysisSettings& settings_;
    const IgnoreList& ignore_;
    bool readAhead_;
};

std::string JsonStringArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out.append(i > 0 ? "," : "").append(JsonString(items[i]));
    }
    return out + "]";
}

std::string JsonWordArray(const std::vector<WordEntry>& words) {
    std::string out = "[";
    std::int64_t rank = 0;
    for (const WordEntry& w : words) {
        ++rank;
        JsonObject o;
        o.field("rank", rank)
            .field("word", w.text)
            .field("value", core::DisplayValue(w.keyValue))
            .field("keyValue", static_cast<double>(w.keyValue))
            .field("frequency", w.frequency);
        out.append(rank > 1 ? "," : "").append(o.str());
    }
    return out + "]";
}

const char* ModeName(Mode mode) {
    switch (mode) {
    case Mode::ListWords:
        return "words";
    case Mode::ShowExisting:
        return "existing";
    case Mode::GenerateTag:
        break;
    }
    return "tag";
}

FileReport Failure(const std::string& file, const Options& options, std::string message) {
    FileReport report;
    report.errorMessage = std::move(message);
    if (options.format == Format::Json) {
        report.json = JsonObject()
                          .field("file", file)
                          .field("mode", ModeName(options.mode))
                          .field("error", report.errorMessage)
                          .str();
    }
    return report;
}

void AddPageLanguage(PageLanguage language, JsonObject& json) {
    if (language == PageLanguage::None) {
        json.null("pageLanguage");
    } else {
        json.field("pageLanguage", LanguageCode(language));
    }
}

// Each report adds its JSON fields to json, when JSON output was asked for (json not null): a
// huge output is not copied into a JSON text nobody reads.

// The keywords meta tag already in the document.
void ReportExisting(const std::string& path, FileReport& report, JsonObject* json) {
    const ExistingKeywords existing = FindExistingKeywords(path);
    report.boxText = core::ExistingKeywordsText(existing);
    report.ok = existing.outcome != ExistingKeywordsOutcome::ReadError;
    if (!report.ok) {
        report.errorMessage = report.boxText;
    }
    if (json != nullptr) {
        json->field("existing", report.boxText);
    }
}

void ReportTag(const std::vector<WordEntry>& words, const AnalysisSettings& settings,
               FileReport& report, JsonObject* json) {
    const ComposedTag tag = ComposeMetaTag(words, settings);
    report.boxText = core::TagBoxText(tag, settings);
    if (json == nullptr) {
        return;
    }
    if (tag.noWords) {
        json->null("tag").field("message", report.boxText);
        return;
    }
    json->raw("tag", JsonObject()
                         .field("text", tag.tagLine)
                         .raw("keywords", JsonStringArray(tag.keywords))
                         .field("keywordCount", tag.keywordCount)
                         .field("byteCount", tag.byteCount)
                         .str());
}

void ReportWordList(const std::vector<WordEntry>& words, const AnalysisSettings& settings,
                    FileReport& report, JsonObject* json) {
    report.boxText = core::WordListBoxText(words, settings);
    if (json == nullptr) {
        return;
    }
    json->raw("words", JsonWordArray(words));
    if (words.empty()) {
        json->field("message", report.boxText);
    }
}

FileReport AnalyseReadableFile(const std::string& file, const Options& options,
                               const IgnoreList& ignoreList, const std::string& name) {
    // The name is used exactly as given: a page may well be called " page.html".
    const std::string& path = file;
    std::string reason;
    const core::InputFileCheck check = core::CheckInputFile(path, &reason);
    if (check != core::InputFileCheck::Ok) {
        return Failure(name, options, core::InputFileMessage(check, reason).text);
    }

    FileReport report;
    JsonObject object;
    JsonObject* json = options.format == Format::Json ? &object : nullptr;
    object.field("file", name).field("mode", ModeName(options.mode));
    const AnalysisSettings settings = core::ToAnalysisSettings(options.settings);
    if (options.mode == Mode::ShowExisting) {
        ReportExisting(path, report, json);
    } else {
        FixedSettingsHost host(settings, ignoreList, options.readAhead);
        const RunResult run = RunAnalysis(path, host);
        if (run.outcome != RunOutcome::Completed) {
            return Failure(name, options, core::ReadErrorMessage(run.failureReason).text);
        }
        report.ok = true;
        report.wordsFound = static_cast<std::int64_t>(run.words.size());
        report.pageLanguage = run.pageLanguage;
        object.field("wordsFound", report.wordsFound);
        AddPageLanguage(run.pageLanguage, object);
        if (options.mode == Mode::GenerateTag) {
            ReportTag(run.words, settings, report, json);
        } else {
            ReportWordList(run.words, settings, report, json);
        }
    }
    if (json != nullptr) {
        json->field("output", report.boxText);
        if (report.ok) {
            json->null("error");
        } else {
            json->field("error", report.errorMessage);
        }
        report.json = json->str();
    }
    return report;
}

} // namespace

FileReport AnalyseFile(const std::string& file, const Options& options,
                       const IgnoreList& ignoreList, const std::string& shownName) {
    const std::string& name = shownName.empty() ? file : shownName;
    // Whatever goes wrong with one file (memory included) is that file's failure; the next
    // file is still analysed.
    try {
        return AnalyseReadableFile(file, options, ignoreList, name);
    } catch (const std::exception& error) {
        return Failure(name, options, core::ReadErrorMessage(core::ExceptionReason(error)).text);
    }
}

FileReport FailureReport(const std::string& shownName, const Options& options,
                         std::string message) {
    return Failure(shownName, options, std::move(message));
}

std::string AsTerminalText(std::string_view boxText) {
    std::string out = core::WithLineFeeds(boxText);
    if (out.empty() || out.back() != '\n') {
        out += '\n';
    }
    return out;
}

} // namespace orvanta::cli
