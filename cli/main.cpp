// orvanta-cli: the analysis engine without the window, for batch use and tests.
#include "cli/file_report.h"
#include "cli/job_runner.h"
#include "cli/options.h"
#include "cli/standard_input.h"
#include "core/ignore_words.h"
#include "core/limit_boxes.h"
#include "core/messages.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#ifndef ORVANTA_VERSION
#define ORVANTA_VERSION "1.0"
#endif

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFileFailed = 2;
constexpr int kExitUsage = 64;

// The limit boxes' checks, as when the user leaves a box: a rejected text is replaced by the
// default and its message shown (here on standard error).
void CheckLimitTexts(orvanta::cli::Options& options) {
    const auto apply = [](std::string& text, const orvanta::core::LimitBoxCheck& check) {
        if (!check.message.empty()) {
            std::cerr << "orvanta-cli: " << check.message << '\n';
        }
        text = check.finalText;
    };
    if (options.maxKeywordsGiven) {
        apply(options.settings.maxKeywordsText,
              orvanta::core::CheckMaxKeywordsBox(options.settings.maxKeywordsText));
    }
    if (options.maxBytesGiven) {
        apply(options.settings.maxBytesText,
              orvanta::core::CheckMaxBytesBox(options.settings.maxBytesText));
    }
}

// Sends what is buffered for standard output on its way. A write that failed (a full disk, a
// closed pipe), now or in an earlier write, is reported on standard error with the system's
// reason, which the failed write left in errno, and gives false.
bool FlushOutput() {
    if (std::cout.flush()) {
        return true;
    }
    const int error = errno;
    std::cerr << "orvanta-cli: write error" << (error != 0 ? ": " : "")
              << (error != 0 ? std::strerror(error) : "") << '\n';
    return false;
}

// Analyses one named page, or the page read from standard input ("-"), which was read before
// any file was analysed.
orvanta::cli::FileReport AnalyseOne(const std::string& file,
                                    const orvanta::cli::StandardInputPage& standardInput,
                                    const std::string& standardInputError,
                                    const orvanta::cli::Options& options,
                                    const orvanta::IgnoreList& ignoreList) {
    using namespace orvanta::cli;
    if (file != kStandardInputName) {
        return AnalyseFile(file, options, ignoreList);
    }
    if (!standardInputError.empty()) {
        return FailureReport(kStandardInputName, options,
                             orvanta::core::ReadErrorMessage(standardInputError).text);
    }
    return AnalyseFile(standardInput.path(), options, ignoreList, kStandardInputName);
}

// Writes one file's block of output and its messages, and notes a failure in the exit status.
// False when the output could not be written.
bool PrintReport(const std::string& file, const orvanta::cli::FileReport& report,
                 const orvanta::cli::Options& options, bool headed, bool& first, int& status) {
    using namespace orvanta::cli;
    if (options.format == Format::Json) {
        std::cout << report.json << '\n';
    } else if (report.ok || !report.boxText.empty()) {
        if (headed) {
            std::cout << (first ? "" : "\n") << "==> " << file << " <==\n";
        }
        std::cout << AsTerminalText(report.boxText);
        first = false;
    }
    if (!FlushOutput()) {
        return false;
    }
    if (!report.ok) {
        std::cerr << "orvanta-cli: " << file << ": " << report.errorMessage << '\n';
        status = kExitFileFailed;
    } else if (options.stats && report.wordsFound >= 0) {
        std::cerr << orvanta::core::WordsFoundCaption(report.wordsFound) << '\n'
                  << orvanta::core::PageLanguageCaption(report.pageLanguage) << '\n';
    }
    return true;
}

// Analyses the files, several at once, and prints their reports in the order given; a file
// that fails does not stop the others, a failed write to standard output does.
int AnalyseAll(const orvanta::cli::Options& options, const orvanta::IgnoreList& ignoreList) {
    using namespace orvanta::cli;
    int status = kExitOk;
    const bool headed = options.files.size() > 1 && options.format == Format::Text;
    bool first = true;
    StandardInputPage standardInput;
    std::string standardInputError;
    for (const std::string& file : options.files) {
        if (file == kStandardInputName) {
            standardInput.read(standardInputError);
            break;
        }
    }
    std::atomic<bool> writeFailed = false;
    std::vector<FileReport> reports(options.files.size());
    const unsigned jobs = options.jobs > 0 ? options.jobs : DefaultJobCount();
    // Files that run at once already keep the processors busy; a thread more each only costs.
    Options runOptions = options;
    runOptions.readAhead = jobs == 1 || options.files.size() == 1;
    RunInOrder(
        options.files.size(), jobs,
        [&](std::size_t i) {
            if (!writeFailed) {
                reports[i] = AnalyseOne(options.files[i], standardInput, standardInputError,
                                        runOptions, ignoreList);
            }
        },
        [&](std::size_t i) {
            if (!writeFailed &&
                !PrintReport(options.files[i], reports[i], options, headed, first, status)) {
                writeFailed = true;
            }
            reports[i] = {};
        });
    return writeFailed ? kExitFileFailed : status;
}

} // namespace

int main(int argc, char** argv) {
    using namespace orvanta::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    ParseResult parsed = ParseOptions(args, ::isatty(STDIN_FILENO) == 0);
    if (!parsed.error.empty()) {
        std::cerr << "orvanta-cli: " << parsed.error << "\n"
                  << "Try 'orvanta-cli --help' for more information.\n";
        return kExitUsage;
    }
    Options& options = parsed.options;
    if (options.help) {
        std::cout << UsageText();
        return FlushOutput() ? kExitOk : kExitFileFailed;
    }
    if (options.version) {
        std::cout << "orvanta-cli " << ORVANTA_VERSION << '\n';
        return FlushOutput() ? kExitOk : kExitFileFailed;
    }

    CheckLimitTexts(options);
    const orvanta::core::WordsToIgnoreNormalised ignore =
        orvanta::core::NormaliseWordsToIgnore(options.settings.wordsToIgnore);
    options.settings.wordsToIgnore = ignore.boxText;
    return AnalyseAll(options, orvanta::IgnoreList(ignore.listText));
}
