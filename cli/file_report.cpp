#include "cli/file_report.h"

#include "cli/json_writer.h"
#include "engine/analysis_run.h"
#include "engine/output.h"
#include "engine/run_host.h"
#include "util/string_utils.h"

namespace orvanta::cli {
namespace {

class FixedSettingsHost : public RunHost {
public:
    FixedSettingsHost(const Settings& settings, const IgnoreList& ignore)
        : settings_(settings), ignore_(ignore) {}
    const Settings& settings() const override { return settings_; }
    const IgnoreList& ignoreList() const override { return ignore_; }

private:
    const Settings& settings_;
    const IgnoreList& ignore_;
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
            .field("value", DisplayValue(w.keyValue))
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

} // namespace

FileReport AnalyseFile(const std::string& file, const Options& options,
                       const IgnoreList& ignoreList) {
    const std::string path(text::TrimSpaces(file));
    const InputFileCheck check = CheckInputFile(path);
    if (check != InputFileCheck::Ok) {
        return Failure(file, options, InputFileCheckMessage(check));
    }

    FileReport report;
    JsonObject json;
    json.field("file", file).field("mode", ModeName(options.mode));

    if (options.mode == Mode::ShowExisting) {
        report.boxText = ShowExistingKeywords(path);
        report.ok = report.boxText != "Error when looking for keywords meta tag.";
        if (!report.ok) {
            report.errorMessage = report.boxText;
        }
        json.field("existing", report.boxText);
    } else {
        FixedSettingsHost host(options.settings, ignoreList);
        const RunResult run = RunAnalysis(path, host);
        if (run.outcome != RunOutcome::Completed) {
            return Failure(file, options,
                           "Error when reading the input file: " + run.failureReason);
        }
        report.ok = true;
        report.wordsFound = static_cast<std::int64_t>(run.words.size());
        json.field("wordsFound", report.wordsFound);
        if (options.mode == Mode::GenerateTag) {
            const ComposedTag tag = ComposeMetaTag(run.words, options.settings);
            report.boxText = tag.text;
            if (tag.noWords) {
                json.null("tag").field("message", tag.text);
            } else {
                const std::string tagLine = tag.text.substr(0, tag.text.find("\r\n"));
                json.raw("tag", JsonObject()
                                    .field("text", tagLine)
                                    .raw("keywords", JsonStringArray(tag.keywords))
                                    .field("keywordCount", tag.keywordCount)
                                    .field("byteCount", tag.byteCount)
                                    .str());
            }
        } else {
            report.boxText = WriteWordList(run.words, options.settings);
            json.raw("words", JsonWordArray(run.words));
            if (run.words.empty()) {
                json.field("message", report.boxText);
            }
        }
    }
    json.field("output", report.boxText);
    if (report.ok) {
        json.null("error");
    } else {
        json.field("error", report.errorMessage);
    }
    report.json = json.str();
    return report;
}

std::string AsTerminalText(std::string_view boxText) {
    std::string out;
    out.reserve(boxText.size() + 1);
    for (std::size_t i = 0; i < boxText.size(); ++i) {
        if (boxText[i] == '\r') {
            out += '\n';
            if (i + 1 < boxText.size() && boxText[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += boxText[i];
        }
    }
    if (out.empty() || out.back() != '\n') {
        out += '\n';
    }
    return out;
}

} // namespace orvanta::cli
