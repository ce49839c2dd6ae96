// The whole analysis as the command runs it: the first bytes choose the settings, the rest is
// the page, and all three outputs are made (tag, word list, existing keywords) as text and JSON.
#include "cli/file_report.h"
#include "cli/options.h"
#include "core/ignore_words.h"
#include "engine/words/ignore_list.h"
#include "fuzz/fuzz_input.h"

using namespace orvanta;

namespace {

core::UserSettings SettingsFrom(fuzz::ByteTaker& bytes) {
    core::UserSettings s;
    s.ignoreCommonWords = bytes.upTo(2);
    s.ignoreShortWords = bytes.upTo(2);
    s.shortWordSizeIndex = bytes.upTo(core::kLastShortWordSizeIndex);
    s.minFrequencyIndex = bytes.upTo(core::kLastMinFrequencyIndex);
    s.tableWeightIndex = bytes.upTo(core::kLastTableWeightIndex);
    s.existingKeywordsWeightIndex = bytes.upTo(core::kLastExistingKeywordsWeightIndex);
    s.boldWeightIndex = bytes.upTo(core::kLastBoldWeightIndex);
    s.maxKeywordsText = std::to_string(bytes.take() % 120);
    s.maxBytesText = std::to_string(bytes.take() * 5);
    s.beginMetaTagWith = (bytes.take() & 1) != 0 ? "alpha beta, gamma" : "";
    s.wordsToIgnore = (bytes.take() & 1) != 0 ? "the,page" : "";
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile page;
    fuzz::ByteTaker bytes(data, size);
    cli::Options options;
    options.settings = SettingsFrom(bytes);
    options.format = (bytes.take() & 1) != 0 ? cli::Format::Json : cli::Format::Text;
    page.write(bytes.rest());
    const IgnoreList ignore(core::NormaliseWordsToIgnore(options.settings.wordsToIgnore).listText);
    for (const cli::Mode mode :
         {cli::Mode::GenerateTag, cli::Mode::ListWords, cli::Mode::ShowExisting}) {
        options.mode = mode;
        const cli::FileReport report = cli::AnalyseFile(page.path(), options, ignore);
        (void)cli::AsTerminalText(report.boxText);
    }
    return 0;
}
