#include "core/ignore_words.h"
#include "core/input_file_check.h"
#include "core/limit_boxes.h"
#include "core/messages.h"
#include "core/user_settings.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace orvanta::core {
namespace {

TEST(UserSettings, ListIndexesAndChecksBecomePlainValues) {
    UserSettings s;
    s.ignoreShortWords = 2; // partly checked counts as off
    s.ignoreCommonWords = 1;
    s.shortWordSizeIndex = 8;
    s.minFrequencyIndex = 0;
    s.tableWeightIndex = 0;
    s.existingKeywordsWeightIndex = 9;
    s.boldWeightIndex = 0;
    s.maxKeywordsText = " 1 2.5";
    s.maxBytesText = "";
    const AnalysisSettings a = ToAnalysisSettings(s);
    EXPECT_FALSE(a.ignoreShortWords);
    EXPECT_TRUE(a.ignoreCommonWords);
    EXPECT_EQ(a.shortWordSize, 9);
    EXPECT_EQ(a.minFrequency, 1);
    EXPECT_EQ(a.tableWeight, 0);
    EXPECT_EQ(a.existingKeywordsWeight, 9);
    EXPECT_EQ(a.boldWeight, 1);
    EXPECT_EQ(a.maxKeywords, 12); // half to even
    EXPECT_EQ(a.maxBytes, 0);     // no limit
}

TEST(UserSettings, ResetKeepsTheTextsAndAFirstStartClearsThem) {
    UserSettings s;
    s.inputFile = "a.html";
    s.wordsToIgnore = "x";
    s.beginMetaTagWith = "y";
    s.maxKeywordsText = "7";
    s.boldWeightIndex = 0;
    s.largeWindow = 1;
    ApplyDefaults(s, true);
    EXPECT_EQ(s.inputFile + s.wordsToIgnore + s.beginMetaTagWith, "a.htmlxy");
    EXPECT_EQ(s.maxKeywordsText, "50");
    EXPECT_EQ(s.boldWeightIndex, 2);
    EXPECT_EQ(s.largeWindow, 1);
    ApplyDefaults(s, false);
    EXPECT_EQ(s.inputFile + s.wordsToIgnore + s.beginMetaTagWith, "");
    EXPECT_EQ(s.largeWindow, 1);
}

TEST(WordsToIgnore, BoxTextIsNormalised) {
    const WordsToIgnoreNormalised n = NormaliseWordsToIgnore(",Alpha  Beta,,gamma ,\xC3\x84RGER");
    EXPECT_EQ(n.boxText, ",alpha,beta,gamma,\xC3\xA4rger"); // lower-cased, not folded, in the box
    EXPECT_EQ(n.listText, n.boxText + ",");
    EXPECT_EQ(NormaliseWordsToIgnore("   ").boxText, "");
    // Composed before lower-casing, as a page's text is.
    EXPECT_EQ(NormaliseWordsToIgnore("Cafe\u0301 \u212B").boxText, "caf\u00e9,\u00e5");
}

TEST(LimitBoxes, FilterThenCheckTheRange) {
    const char* tooMany = "Maximum number of keywords in the meta tag is 100.";
    const char* tooFew = "Minimum number of keywords in the meta tag is 5.";
    const char* tooManyBytes = "Maximum number of bytes in the meta tag is 1000.";
    struct Row {
        LimitBoxCheck (*check)(std::string_view);
        const char* typed;
        LimitBoxCheck expected;
    };
    const Row rows[] = {
        {CheckMaxKeywordsBox, "12.5", {"125", tooMany, "50"}},
        {CheckMaxKeywordsBox, "4", {"4", tooFew, "50"}},
        {CheckMaxKeywordsBox, "5", {"5", "", "5"}},
        {CheckMaxKeywordsBox, "100", {"100", "", "100"}},
        {CheckMaxKeywordsBox, "-7", {"7", "", "7"}},
        {CheckMaxKeywordsBox, "abc", {"", "", ""}},
        {CheckMaxBytesBox, "0", {"0", "", "0"}},
        {CheckMaxBytesBox, "1001", {"1001", tooManyBytes, "500"}},
    };
    for (const Row& r : rows) {
        const LimitBoxCheck c = r.check(r.typed);
        EXPECT_EQ(c.filtered, r.expected.filtered) << r.typed;
        EXPECT_EQ(c.message, r.expected.message) << r.typed;
        EXPECT_EQ(c.finalText, r.expected.finalText) << r.typed;
    }
}

// Only the texts the user changed are saved as the controls hold them.
TEST(UserSettingsSave, UnchangedTextsAreSavedAsRead) {
    UserSettings read;
    read.beginMetaTagWith = "caf\xE9";
    read.maxKeywordsText = std::string(26, '9');
    read.wordsToIgnore = "The,And";
    UserSettings shown = read;
    shown.beginMetaTagWith = "caf\xEF\xBF\xBD";
    shown.maxKeywordsText = "9999";
    shown.wordsToIgnore = "the,and";
    UserSettings current = shown;
    current.wordsToIgnore = "the";
    current.boldWeightIndex = 5;
    const UserSettings saved = KeepUnchangedTexts(current, shown, read);
    EXPECT_EQ(saved.beginMetaTagWith, read.beginMetaTagWith);
    EXPECT_EQ(saved.maxKeywordsText, read.maxKeywordsText);
    EXPECT_EQ(saved.wordsToIgnore, "the");
    EXPECT_EQ(saved.boldWeightIndex, 5);
}

TEST(InputFile, RunCheckAndNameCheck) {
    const std::string page = testing::WriteTempFile("<html></html>");
    EXPECT_EQ(CheckInputFile(page), InputFileCheck::Ok);
    EXPECT_EQ(InputFileMessage(CheckInputFile("")).text, "Input file not specified.");
    EXPECT_EQ(InputFileMessage(CheckInputFile("/nonexistent/orvanta")).title, "File not found");
    EXPECT_EQ(InputFileMessage(CheckInputFile("/tmp")).text, "Input file is a folder, not a file.");
    EXPECT_EQ(CheckInputFileName(page), InputFileNameCheck::Ok);
    EXPECT_EQ(CheckInputFileName("/home/my.site/page"), InputFileNameCheck::NoExtension);
    EXPECT_EQ(CheckInputFileName("C:\\my.site\\page"), InputFileNameCheck::NoExtension);
    EXPECT_EQ(CheckInputFileName("/home/page.txt"), InputFileNameCheck::NotHtml);
    EXPECT_EQ(CheckInputFileName("/nonexistent/page.HTM"), InputFileNameCheck::Missing);
    EXPECT_EQ(InputFileNameMessage(InputFileNameCheck::Missing, "/nonexistent/page.HTM").text,
              "Input file does not exist.");
    const std::string folder = page + ".d.html";
    std::filesystem::create_directory(folder);
    EXPECT_EQ(InputFileNameMessage(CheckInputFileName(folder), folder).text,
              "Input file is a folder, not a file.");
    std::filesystem::remove(folder);
    const Message notHtml = InputFileNameMessage(InputFileNameCheck::NotHtml);
    EXPECT_EQ(notHtml.text, "Input file must have .htm or .html extension.");
    EXPECT_EQ(notHtml.icon, MessageIcon::None);
}

TEST(Messages, CaptionsAndErrorTexts) {
    EXPECT_EQ(WordsFoundCaption(12), "Number of words found: 12");
    EXPECT_EQ(StoppedLine(2), "\r\nStopped with 2 words identified.");
    const Message error = ReadErrorMessage("Permission denied");
    EXPECT_EQ(error.text, "Error when reading the input file: Permission denied");
    EXPECT_EQ(error.title, "Error");
}

// The window keeps the default and so always votes; the command may name a language or none.
TEST(PageLanguageSetting, ChoiceReachesTheAnalysisSettings) {
    UserSettings user;
    AnalysisSettings analysis = ToAnalysisSettings(user);
    EXPECT_TRUE(analysis.votePageLanguage);
    user.pageLanguage = "none";
    analysis = ToAnalysisSettings(user);
    EXPECT_FALSE(analysis.votePageLanguage);
    EXPECT_EQ(analysis.pageLanguage, PageLanguage::None);
    user.pageLanguage = "sv";
    analysis = ToAnalysisSettings(user);
    EXPECT_FALSE(analysis.votePageLanguage);
    EXPECT_EQ(analysis.pageLanguage, PageLanguage::Sv);
    for (const char* choice : {"auto", "none", "da", "sv"}) {
        EXPECT_TRUE(IsPageLanguageChoice(choice)) << choice;
    }
    for (const char* choice : {"", "en", "DE", "de ", "auto,de"}) {
        EXPECT_FALSE(IsPageLanguageChoice(choice)) << choice;
    }
    EXPECT_EQ(PageLanguageCaption(PageLanguage::De), "Page language: de");
    EXPECT_EQ(PageLanguageCaption(PageLanguage::None), "Page language: none");
}

} // namespace
} // namespace orvanta::core
