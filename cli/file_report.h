#pragma once

#include "cli/options.h"
#include "engine/words/ignore_list.h"

#include <cstdint>
#include <string>

namespace orvanta::cli {

// What one file gave: the output box text, or the message that stopped it.
struct FileReport {
    bool ok = false;
    std::string boxText;      // CR LF line ends, as the output box holds it
    std::string errorMessage; // set when !ok
    std::int64_t wordsFound = -1;
    PageLanguage pageLanguage = PageLanguage::None; // of a run, when wordsFound is set
    std::string json; // one JSON object, when JSON output was asked for
};

// Analyses the page at file; the report names it shownName (the file itself when empty).
FileReport AnalyseFile(const std::string& file, const Options& options,
                       const IgnoreList& ignoreList, const std::string& shownName = {});

// The report of a file that could not be analysed at all, for the reason given in message.
FileReport FailureReport(const std::string& shownName, const Options& options, std::string message);

// CR LF (and lone CR) written as newline, with a final newline added when missing.
std::string AsTerminalText(std::string_view boxText);

} // namespace orvanta::cli
