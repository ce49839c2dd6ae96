// The command's options as parsed, before anything is analysed, and its JSON strings.
#include "cli/json_writer.h"
#include "cli/options.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace orvanta::cli {
namespace {

// The parsed options as "name=value" for each field that differs from its default, then the
// files in brackets; a limit typed as an option is marked "!".
std::string Changed(const Options& o) {
    const auto fields = [](const Options& x) {
        const core::UserSettings& s = x.settings;
        std::ostringstream all;
        all << "mode=" << static_cast<int>(x.mode) << "|json=" << (x.format == Format::Json)
            << "|stats=" << x.stats << "|help=" << x.help << "|version=" << x.version
            << "|jobs=" << x.jobs << "|short=" << s.shortWordSizeIndex << s.ignoreShortWords
            << "|common=" << s.ignoreCommonWords << "|freq=" << s.minFrequencyIndex
            << "|weights=" << s.tableWeightIndex << s.existingKeywordsWeightIndex
            << s.boldWeightIndex << "|ignore=" << s.wordsToIgnore << "|begin=" << s.beginMetaTagWith
            << "|keywords=" << s.maxKeywordsText << (x.maxKeywordsGiven ? "!" : "")
            << "|bytes=" << s.maxBytesText << (x.maxBytesGiven ? "!" : "")
            << "|language=" << s.pageLanguage;
        return all.str();
    };
    std::istringstream given(fields(o));
    std::istringstream defaults(fields(Options{}));
    std::string out;
    for (std::string g, d; std::getline(given, g, '|') && std::getline(defaults, d, '|');) {
        out += g == d ? "" : g + " ";
    }
    for (const std::string& file : o.files) {
        out += "[" + file + "]";
    }
    return out;
}

// Parsed with a pipe on standard input, so that no file means "-". A row expects either what
// changed or the start of the usage error.
TEST(Options, EachOptionSetsItsFieldOrIsAUsageError) {
    // Saved: phrase "Rose Garden", ignore "Alpha", 999 keywords, no byte limit, short words 1,
    // min. frequency 1, weights 1 2 0, short words not ignored.
    const std::string saved =
        testing::WriteTempFile("\"elsewhere.html\"\r\n\"Rose Garden\"\r\n\"Alpha\"\r\n\"999\"\r\n"
                               "\"\"\r\n0\r\n0\r\n1\r\n2\r\n0\r\n0\r\n1\r\n");
    const std::string takesLimit = "takes a whole number, or an empty text for no limit";
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{}, "[-]"},
        {{"a.html", "-", "--", "-h", "--x"}, "[a.html][-][-h][--x]"},
        {{"--list-words", "--stats", "--format", "json"}, "mode=1 json=1 stats=1 [-]"},
        {{"--format=json", "--show-existing", "--format", "text"}, "mode=2 [-]"},
        {{"-h"}, "help=1 "},
        {{"--version", "-V"}, "version=1 "},
        {{"--jobs", "1"}, "jobs=1 [-]"},
        {{"--jobs=64"}, "jobs=64 [-]"},
        {{"--short-word-size", "1", "--no-ignore-short-words"}, "short=00 [-]"},
        {{"--short-word-size=9", "--no-ignore-common-words"}, "short=81 common=0 [-]"},
        {{"--min-frequency", "1"}, "freq=0 [-]"},
        {{"--min-frequency", "9"}, "freq=8 [-]"},
        {{"--table-weight", "0", "--existing-keywords-weight", "9", "--bold-weight", "1"},
         "weights=090 [-]"},
        {{"--table-weight", "9", "--existing-keywords-weight", "0", "--bold-weight", "9"},
         "weights=908 [-]"},
        {{"--ignore", "Mat", "--begin-with", "  Rose, Soil  "},
         "ignore=Mat begin=  Rose, Soil   [-]"},
        {{"--page-language", "fr"}, "language=fr [-]"},
        {{"--page-language=none"}, "language=none [-]"},
        {{"--max-keywords", "20", "--max-bytes", ""}, "keywords=20! bytes=! [-]"},
        {{"--max-keywords=+20", "--max-bytes=-20"}, "keywords=+20! bytes=-20! [-]"},
        {{"--max-bytes", "99999999999999999999"}, "bytes=99999999999999999999! [-]"},
        // The saved file replaces what came before; what comes after changes it, and its limits
        // are not the user's typing.
        {{"--bold-weight", "9", "--max-keywords", "7", "--settings", saved, "--ignore", ""},
         "short=00 freq=0 weights=120 begin=Rose Garden keywords=999 bytes= [-]"},
        {{"--settings", "/nonexistent/orv.usr"},
         "cannot read the settings file '/nonexistent/orv.usr': No such file or directory"},
        {{"-x"}, "unknown option '-x'"},
        {{"--frobnicate"}, "unknown option '--frobnicate'"},
        {{"--stats=1"}, "option '--stats' takes no value"},
        {{"a.html", "--ignore"}, "option '--ignore' needs a value"},
        {{"--format", "xml"}, "option '--format' takes 'text' or 'json'"},
        {{"--bold-weight", "0"}, "option '--bold-weight' takes a number from 1 to 9"},
        {{"--bold-weight", "10"}, "option '--bold-weight' takes a number from 1 to 9"},
        {{"--table-weight", "-1"}, "option '--table-weight' takes a number from 0 to 9"},
        {{"--short-word-size", "three"}, "option '--short-word-size' takes a number from 1 to 9"},
        {{"--min-frequency", "2x"}, "option '--min-frequency' takes a number from 1 to 9"},
        {{"--page-language", "en"}, "option '--page-language' takes 'auto', 'none' or one of"},
        {{"--page-language", ""}, "option '--page-language' takes"},
        {{"--jobs", "0"}, "option '--jobs' takes a whole number of at least 1"},
        {{"--jobs", "1.5"}, "option '--jobs' takes a whole number of at least 1"},
        {{"--jobs=99999999999"}, "option '--jobs' takes a whole number of at least 1"},
        {{"--jobs="}, "option '--jobs' takes a whole number of at least 1"},
        {{"--max-keywords", " 20"}, "option '--max-keywords' " + takesLimit},
        {{"--max-keywords=20 "}, "option '--max-keywords' " + takesLimit},
        {{"--max-keywords", "+"}, "option '--max-keywords' " + takesLimit},
        {{"--max-bytes", "1e2"}, "option '--max-bytes' " + takesLimit},
        {{"--max-bytes", "+-5"}, "option '--max-bytes' " + takesLimit},
    };
    for (const auto& [args, expected] : rows) {
        const ParseResult r = ParseOptions(args, true);
        const std::string what = args.empty() ? "" : args[0] + " " + args.back();
        if (r.error.empty()) {
            EXPECT_EQ(Changed(r.options), expected) << what;
        } else {
            EXPECT_EQ(r.error.substr(0, expected.size()), expected) << what;
        }
    }
    EXPECT_EQ(ParseOptions({}, false).error, "no input file given");
}

TEST(Options, HelpFitsEightyColumns) {
    std::istringstream help(UsageText());
    for (std::string line; std::getline(help, line);) {
        EXPECT_LE(line.size(), 80u) << line;
    }
}

// JSON text is UTF-8 whatever bytes a file name holds: each byte outside a well-formed sequence
// becomes U+FFFD.
TEST(JsonString, EscapesAndReplacesWhatIsNotUtf8) {
    const std::pair<std::string, std::string> rows[] = {
        {"plain \xC3\xA9 \xF0\x9F\x98\x80", "\"plain \xC3\xA9 \xF0\x9F\x98\x80\""},
        {"q\"b\\s", "\"q\\\"b\\\\s\""},
        {"\n\r\t\x01\x1F", "\"\\n\\r\\t\\u0001\\u001f\""},
        {"caf\xE9-", "\"caf\\ufffd-\""},
        {"\xC0\xAF", "\"\\ufffd\\ufffd\""},                       // overlong
        {"\xED\xA0\x80", "\"\\ufffd\\ufffd\\ufffd\""},            // surrogate
        {"\xF4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\""}, // past U+10FFFF
        {"a\xE2\x82", "\"a\\ufffd\\ufffd\""},                     // cut at the end
    };
    for (const auto& [text, json] : rows) {
        EXPECT_EQ(JsonString(text), json) << text;
    }
}

} // namespace
} // namespace orvanta::cli
