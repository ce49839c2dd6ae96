#include "cli/options.h"

#include "core/settings_file.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>
#include <optional>
#include <string_view>

namespace orvanta::cli {
namespace {

using core::UserSettings;

std::optional<int> ParseSmallInt(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// A limit option takes a whole number, with or without a sign, or an empty text for no limit. The
// window's box reads whatever it holds by its leading number ("1e2" as 12, "abc" as no limit);
// on a command line such a value is a mistake.
bool IsLimitText(std::string_view text) {
    if (text.empty()) {
        return true;
    }
    if (text.front() == '+' || text.front() == '-') {
        text.remove_prefix(1);
    }
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string LimitError(const std::string& name) {
    return "option '" + name + "' takes a whole number, or an empty text for no limit";
}

struct ListOption {
    int UserSettings::*field;
    int lowestShown; // the number the list's first entry shows
    int lastIndex;
};

const std::map<std::string, ListOption>& ListOptions() {
    static const std::map<std::string, ListOption> options = {
        {"--short-word-size",
         {&UserSettings::shortWordSizeIndex, core::kShortWordSizeFirst,
          core::kLastShortWordSizeIndex}},
        {"--min-frequency",
         {&UserSettings::minFrequencyIndex, core::kMinFrequencyFirst,
          core::kLastMinFrequencyIndex}},
        {"--table-weight",
         {&UserSettings::tableWeightIndex, core::kTableWeightFirst, core::kLastTableWeightIndex}},
        {"--existing-keywords-weight",
         {&UserSettings::existingKeywordsWeightIndex, core::kExistingKeywordsWeightFirst,
          core::kLastExistingKeywordsWeightIndex}},
        {"--bold-weight",
         {&UserSettings::boldWeightIndex, core::kBoldWeightFirst, core::kLastBoldWeightIndex}},
    };
    return options;
}

bool TakesValue(const std::string& name) {
    return ListOptions().contains(name) || name == "--ignore" || name == "--begin-with" ||
           name == "--max-keywords" || name == "--max-bytes" || name == "--format" ||
           name == "--settings" || name == "--page-language" || name == "--jobs";
}

// One "--name", "--name=value" or "--name value" argument.
struct OptionArg {
    std::string name;
    std::optional<std::string> value;
};

// Reads the option at args[i], taking the next argument as its value when it needs one.
std::string TakeOption(const std::vector<std::string>& args, std::size_t& i, OptionArg& option) {
    option.name = args[i];
    if (const std::size_t eq = option.name.find('='); eq != std::string::npos) {
        option.value = option.name.substr(eq + 1);
        option.name.resize(eq);
    }
    if (TakesValue(option.name) && !option.value) {
        if (i + 1 >= args.size()) {
            return "option '" + option.name + "' needs a value";
        }
        option.value = args[++i];
    } else if (!TakesValue(option.name) && option.value) {
        return "option '" + option.name + "' takes no value";
    }
    return {};
}

std::string ApplyListOption(const std::string& name, const ListOption& list,
                            const std::string& value, UserSettings& settings) {
    const std::optional<int> shown = ParseSmallInt(value);
    const int highest = list.lowestShown + list.lastIndex;
    if (!shown || *shown < list.lowestShown || *shown > highest) {
        return "option '" + name + "' takes a number from " + std::to_string(list.lowestShown) +
               " to " + std::to_string(highest);
    }
    settings.*list.field = *shown - list.lowestShown;
    return {};
}

// Options that only switch something on or off.
bool ApplyFlag(const std::string& name, Options& o) {
    static const std::map<std::string, std::function<void(Options&)>> flags = {
        {"--list-words", [](Options& x) { x.mode = Mode::ListWords; }},
        {"--show-existing", [](Options& x) { x.mode = Mode::ShowExisting; }},
        {"--no-ignore-common-words", [](Options& x) { x.settings.ignoreCommonWords = 0; }},
        {"--no-ignore-short-words", [](Options& x) { x.settings.ignoreShortWords = 0; }},
        {"--stats", [](Options& x) { x.stats = true; }},
        {"--help", [](Options& x) { x.help = true; }},
        {"--version", [](Options& x) { x.version = true; }},
    };
    const auto flag = flags.find(name);
    if (flag == flags.end()) {
        return false;
    }
    flag->second(o);
    return true;
}

std::string ApplyValueOption(const std::string& name, const std::string& value, Options& o) {
    if (name == "--ignore") {
        o.settings.wordsToIgnore = value;
    } else if (name == "--begin-with") {
        o.settings.beginMetaTagWith = value;
    } else if ((name == "--max-keywords" || name == "--max-bytes") && !IsLimitText(value)) {
        return LimitError(name);
    } else if (name == "--max-keywords") {
        o.settings.maxKeywordsText = value;
        o.maxKeywordsGiven = true;
    } else if (name == "--max-bytes") {
        o.settings.maxBytesText = value;
        o.maxBytesGiven = true;
    } else if (name == "--settings") {
        // A saved settings file replaces everything set so far; later options change it.
        const core::SettingsFileRead read = core::ReadSettingsFile(value, o.settings);
        if (!read.complete()) {
            return "cannot read the settings file '" + value + "': " + read.firstFault();
        }
        o.maxKeywordsGiven = o.maxBytesGiven = false;
    } else if (name == "--page-language" && core::IsPageLanguageChoice(value)) {
        o.settings.pageLanguage = value;
    } else if (name == "--page-language") {
        return "option '--page-language' takes 'auto', 'none' or one of ar bg cs da de el es fa "
               "fi fr he hi hu id it ja ko nl no pl pt ro ru sv th tr uk vi zh";
    } else if (name == "--jobs") {
        const std::optional<int> jobs = ParseSmallInt(value);
        if (!jobs || *jobs < 1) {
            return "option '--jobs' takes a whole number of at least 1";
        }
        o.jobs = static_cast<unsigned>(*jobs);
    } else if (name == "--format" && (value == "json" || value == "text")) {
        o.format = value == "json" ? Format::Json : Format::Text;
    } else if (name == "--format") {
        return "option '--format' takes 'text' or 'json'";
    }
    return {};
}

std::string ApplyOption(const OptionArg& option, Options& o) {
    if (const auto list = ListOptions().find(option.name); list != ListOptions().end()) {
        return ApplyListOption(option.name, list->second, *option.value, o.settings);
    }
    if (option.value) {
        return ApplyValueOption(option.name, *option.value, o);
    }
    if (ApplyFlag(option.name, o)) {
        return {};
    }
    return "unknown option '" + option.name + "'";
}

bool IsFileArgument(const std::string& arg) {
    return arg.empty() || arg[0] != '-' || arg == "-";
}

// The two short forms, each standing for its long option.
bool IsShortFlag(const std::string& arg) {
    return arg == "-h" || arg == "-V";
}

std::string LongForm(const std::string& arg) {
    return arg == "-h" ? "--help" : "--version";
}

} // namespace

ParseResult ParseOptions(const std::vector<std::string>& args, bool inputIsPiped) {
    ParseResult result;
    Options& o = result.options;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size() && result.error.empty(); ++i) {
        if (onlyFiles || IsFileArgument(args[i])) {
            o.files.push_back(args[i]);
        } else if (args[i] == "--") {
            onlyFiles = true;
        } else if (IsShortFlag(args[i])) {
            ApplyFlag(LongForm(args[i]), o);
        } else if (!args[i].starts_with("--")) {
            result.error = "unknown option '" + args[i] + "'";
        } else {
            OptionArg option;
            result.error = TakeOption(args, i, option);
            if (result.error.empty()) {
                result.error = ApplyOption(option, o);
            }
        }
    }
    if (result.error.empty() && o.files.empty() && !o.help && !o.version) {
        if (inputIsPiped) {
            o.files.emplace_back("-");
        } else {
            result.error = "no input file given";
        }
    }
    return result;
}

std::string UsageText() {
    return R"(Usage: orvanta-cli [OPTION]... [FILE]...
Prints the keywords meta tag for each HTML FILE, exactly as the desktop program
shows it. A FILE of - reads the page from standard input, as does giving no
FILE with a pipe on it.

Output:
  --list-words                 list every qualifying word with rank, value and
                               frequency
  --show-existing              show the keywords meta tag the document already
                               has
  --format text|json           text (default) or one JSON object per file
  --stats                      print "Number of words found: N" and
                               "Page language: CODE" on standard error

Settings:
  --settings FILE              start from the settings saved by the desktop
                               program (orv.usr); options after it change them

Word selection:
  --no-ignore-common-words     count common English words too
  --no-ignore-short-words      count short words too
  --short-word-size N          ignore words of N letters or less (1-9,
                               default 3)
  --min-frequency N            count only words occurring at least N times
                               (1-9, default 2)
  --ignore TEXT                words to ignore, separated by spaces or commas
  --page-language auto|none|CODE
                               whose common words are ignored besides the
                               English ones: auto (default) decides from the
                               page's text, none ignores English ones only,
                               CODE names one of ar bg cs da de el es fa fi
                               fr he hi hu id it ja ko nl no pl pt ro ru sv
                               th tr uk vi zh

Weights:
  --table-weight N             extra weight of words in tables (0-9, default 1;
                               0 drops tables)
  --bold-weight N              extra weight of words in bold text (1-9,
                               default 3)
  --existing-keywords-weight N weight of existing keywords (0-9, default 1;
                               0 drops them)

The tag:
  --begin-with TEXT            comma-separated phrases to begin the tag with
  --max-keywords N             maximum number of keywords (5-100, default 50;
                               an empty N: no limit)
  --max-bytes N                maximum length of the tag (up to 1000, default
                               500; an empty N: no limit)

  --jobs N                     analyse up to N files at once (default: one per
                               processor); the output is the same as with one
  -h, --help                   show this help and exit
  -V, --version                show the version and exit

Exit status: 0 on success, 2 when a file could not be analysed or the output
could not be written, 64 on a usage error.
The HTML files are only read, never written.
)";
}

} // namespace orvanta::cli
