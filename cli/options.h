#pragma once

#include "core/user_settings.h"

#include <string>
#include <vector>

namespace orvanta::cli {

enum class Mode { GenerateTag, ListWords, ShowExisting };
enum class Format { Text, Json };

struct Options {
    Mode mode = Mode::GenerateTag;
    Format format = Format::Text;
    bool stats = false;
    bool help = false;
    bool version = false;
    core::UserSettings settings;
    // The limit boxes' checks apply to limits typed as options, not to saved ones.
    bool maxKeywordsGiven = false;
    bool maxBytesGiven = false;
    // Files analysed at once; 0 means one per processor.
    unsigned jobs = 0;
    // Whether one file's reading may take a thread of its own (not when files run at once).
    bool readAhead = true;
    std::vector<std::string> files;
};

struct ParseResult {
    Options options;
    std::string error; // non-empty: a usage error
};

// Parses the command line (argv[0] excluded). Later options override earlier ones, so
// "--settings FILE" followed by options starts from the saved settings and changes some.
// Without a file, the page comes from standard input ("-") when inputIsPiped, and the command
// line is a usage error otherwise.
ParseResult ParseOptions(const std::vector<std::string>& args, bool inputIsPiped = false);

std::string UsageText();

} // namespace orvanta::cli
