#include "cli/options.h"

#include "ui/state_file_format.h"

#include <charconv>
#include <functional>
#include <map>
#include <optional>

namespace orvanta::cli {
namespace {

std::optional<int> ParseSmallInt(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

struct ListOption {
    int Settings::*field;
    int lowestShown; // the number the list's first entry shows
    int lastIndex;
};

const std::map<std::string, ListOption>& ListOptions() {
    static const std::map<std::string, ListOption> options = {
        {"--short-word-size", {&Settings::ShortWordSize, 1, kLastShortWordSizeIndex}},
        {"--min-frequency", {&Settings::ThresholdFrequency, 1, kLastThresholdFrequencyIndex}},
        {"--table-weight", {&Settings::TableWeight, 0, kLastTableWeightIndex}},
        {"--existing-keywords-weight",
         {&Settings::ExistingKeywordsWeight, 0, kLastExistingKeywordsWeightIndex}},
        {"--bold-weight", {&Settings::BoldWeight, 1, kLastBoldWeightIndex}},
    };
    return options;
}

bool TakesValue(const std::string& name) {
    return ListOptions().contains(name) || name == "--ignore" || name == "--begin-with" ||
           name == "--max-keywords" || name == "--max-bytes" || name == "--format" ||
           name == "--settings";
}

} // namespace

ParseResult ParseOptions(const std::vector<std::string>& args) {
    ParseResult result;
    Options& o = result.options;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (onlyFiles || arg.size() < 2 || arg[0] != '-' || arg[1] != '-') {
            if (arg == "-" || onlyFiles || arg.empty() || arg[0] != '-') {
                o.files.push_back(arg);
                continue;
            }
            result.error = "unknown option '" + arg + "'";
            return result;
        }
        if (arg == "--") {
            onlyFiles = true;
            continue;
        }
        std::optional<std::string> value;
        if (const std::size_t eq = arg.find('='); eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        }
        if (TakesValue(arg) && !value) {
            if (i + 1 >= args.size()) {
                result.error = "option '" + arg + "' needs a value";
                return result;
            }
            value = args[++i];
        } else if (!TakesValue(arg) && value) {
            result.error = "option '" + arg + "' takes no value";
            return result;
        }

        if (const auto list = ListOptions().find(arg); list != ListOptions().end()) {
            const ListOption& option = list->second;
            const std::optional<int> shown = ParseSmallInt(*value);
            const int highest = option.lowestShown + option.lastIndex;
            if (!shown || *shown < option.lowestShown || *shown > highest) {
                result.error = "option '" + arg + "' takes a number from " +
                               std::to_string(option.lowestShown) + " to " + std::to_string(highest);
                return result;
            }
            o.settings.*option.field = *shown - option.lowestShown;
        } else if (arg == "--list-words") {
            o.mode = Mode::ListWords;
        } else if (arg == "--show-existing") {
            o.mode = Mode::ShowExisting;
        } else if (arg == "--no-ignore-common-words") {
            o.settings.IgnoreCommonWords = 0;
        } else if (arg == "--no-ignore-short-words") {
            o.settings.IgnoreShortWords = 0;
        } else if (arg == "--ignore") {
            o.settings.WordsToIgnore = *value;
        } else if (arg == "--begin-with") {
            o.settings.BeginMetaTagWith = *value;
        } else if (arg == "--max-keywords") {
            o.settings.MaxNumKeywordsInMetaTag = *value;
            o.maxKeywordsGiven = true;
        } else if (arg == "--max-bytes") {
            o.settings.MaxNumBytesInMetaTag = *value;
            o.maxBytesGiven = true;
        } else if (arg == "--settings") {
            // A saved settings file replaces everything set so far; later options change it.
            if (!LoadStateFile(*value, o.settings)) {
                result.error = "cannot read the settings file '" + *value + "'";
                return result;
            }
            o.maxKeywordsGiven = o.maxBytesGiven = false;
        } else if (arg == "--stats") {
            o.stats = true;
        } else if (arg == "--format") {
            if (*value == "json") {
                o.format = Format::Json;
            } else if (*value == "text") {
                o.format = Format::Text;
            } else {
                result.error = "option '--format' takes 'text' or 'json'";
                return result;
            }
        } else if (arg == "--help") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else {
            result.error = "unknown option '" + arg + "'";
            return result;
        }
    }
    if (o.files.empty() && !o.help && !o.version) {
        result.error = "no input file given";
    }
    return result;
}

std::string UsageText() {
    return R"(Usage: orvanta-cli [OPTION]... FILE...
Prints the keywords meta tag for each HTML FILE, exactly as the desktop program shows it.

Output:
  --list-words                    list every qualifying word with rank, value and frequency
  --show-existing                 show the keywords meta tag the document already has
  --format text|json              text (default) or one JSON object per file
  --stats                         print "Number of words found: N" on standard error

Settings:
  --settings FILE                 start from the settings saved by the desktop program (orv.usr);
                                  options after it change them

Word selection:
  --no-ignore-common-words        count common English words too
  --no-ignore-short-words         count short words too
  --short-word-size N             ignore words of N letters or less (1-9, default 3)
  --min-frequency N               count only words occurring at least N times (1-9, default 2)
  --ignore TEXT                   words to ignore, separated by spaces or commas

Weights:
  --table-weight N                extra weight of words in tables (0-9, default 1; 0 drops tables)
  --bold-weight N                 extra weight of words in bold text (1-9, default 3)
  --existing-keywords-weight N    weight of existing keywords (0-9, default 1; 0 drops them)

The tag:
  --begin-with TEXT               comma-separated phrases to begin the tag with
  --max-keywords TEXT             maximum number of keywords (5-100, default 50; empty: no limit)
  --max-bytes TEXT                maximum length of the tag (up to 1000, default 500; empty: no limit)

  --help                          show this help and exit
  --version                       show the version and exit

Exit status: 0 on success, 2 when a file could not be analysed, 64 on a usage error.
The HTML files are only read, never written.
)";
}

} // namespace orvanta::cli
