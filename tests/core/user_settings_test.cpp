#include "core/ignore_words.h"
#include "core/input_file_check.h"
#include "core/limit_boxes.h"
#include "core/user_settings.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

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
    EXPECT_EQ(std::tuple(a.ignoreShortWords, a.ignoreCommonWords, a.shortWordSize, a.minFrequency,
                         a.tableWeight, a.existingKeywordsWeight, a.boldWeight),
              std::tuple(false, true, 9, 1, 0, 9, 1));
    EXPECT_EQ(a.maxKeywords, 12); // half to even
    EXPECT_EQ(a.maxBytes, 0);     // no limit
    // A limit is the text's leading number, rounded half to even; 0 or less is no limit.
    const std::pair<const char*, int> limits[] = {
        {"0", 0},     {"-3", -3}, {"+.5", 0},   {" 1 0", 10},
        {"13.5", 14}, {"1e3", 1}, {"2.5.9", 2}, {"99999999999999", 2147483647}};
    for (const auto& [text, limit] : limits) {
        s.maxKeywordsText = text;
        EXPECT_EQ(ToAnalysisSettings(s).maxKeywords, limit) << '"' << text << '"';
    }
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
    const std::tuple<LimitBoxCheck (*)(std::string_view), const char*, LimitBoxCheck> rows[] = {
        {CheckMaxKeywordsBox, "12.5", {"125", tooMany, "50"}},
        {CheckMaxKeywordsBox, "4", {"4", tooFew, "50"}},
        {CheckMaxKeywordsBox, "5", {"5", "", "5"}},
        {CheckMaxKeywordsBox, "100", {"100", "", "100"}},
        {CheckMaxKeywordsBox, "-7", {"7", "", "7"}},
        {CheckMaxKeywordsBox, "abc", {"", "", ""}},
        {CheckMaxBytesBox, "0", {"0", "", "0"}},
        {CheckMaxBytesBox, "1000", {"1000", "", "1000"}},
        {CheckMaxBytesBox, "1001", {"1001", tooManyBytes, "500"}},
    };
    for (const auto& [check, typed, expected] : rows) {
        const LimitBoxCheck c = check(typed);
        EXPECT_EQ(std::tuple(c.filtered, c.message, c.finalText),
                  std::tuple(expected.filtered, expected.message, expected.finalText))
            << typed;
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

// The run's check opens the path as a run does; its other outcomes are the golden case
// failing-files, a link loop cannot be one. The name check looks at the extension before the
// file; a missing name where something else is gets that thing's message.
TEST(InputFile, RunCheckAndNameCheck) {
    const std::string page = testing::WriteTempFile("<html></html>");
    const std::string loop = page + ".loop";
    const std::string folder = page + ".d.html";
    std::filesystem::create_symlink(loop, loop);
    std::filesystem::create_directory(folder);
    EXPECT_EQ(CheckInputFile(loop), InputFileCheck::Unreadable);
    const std::pair<std::string, InputFileNameCheck> nameChecks[] = {
        {page, InputFileNameCheck::Ok},
        {"/home/my.site/page", InputFileNameCheck::NoExtension},
        {"C:\\my.site\\page", InputFileNameCheck::NoExtension},
        {"/home/page.txt", InputFileNameCheck::NotHtml},
        {"/nonexistent/page.sHTMl", InputFileNameCheck::Missing},
        {folder, InputFileNameCheck::Missing},
    };
    for (const auto& [path, check] : nameChecks) {
        EXPECT_EQ(CheckInputFileName(path), check) << path;
    }
    EXPECT_EQ(InputFileNameMessage(InputFileNameCheck::Missing, folder).text,
              InputFileMessage(InputFileCheck::Folder).text);
    EXPECT_EQ(InputFileNameMessage(InputFileNameCheck::Missing, "/nonexistent/page.htm").text,
              InputFileNameMessage(InputFileNameCheck::Missing).text);
    std::filesystem::remove(folder);
    std::filesystem::remove(loop);
    EXPECT_EQ(InputFileNameMessage(InputFileNameCheck::NotHtml).icon, MessageIcon::None);
}

// The window keeps the default and so always votes; the command may name a language or none.
TEST(PageLanguageSetting, ChoiceReachesTheAnalysisSettings) {
    UserSettings user;
    EXPECT_TRUE(ToAnalysisSettings(user).votePageLanguage);
    for (const auto& [choice, language] :
         {std::pair("none", PageLanguage::None), {"sv", PageLanguage::Sv}}) {
        user.pageLanguage = choice;
        const AnalysisSettings analysis = ToAnalysisSettings(user);
        EXPECT_EQ(std::pair(analysis.votePageLanguage, analysis.pageLanguage),
                  std::pair(false, language));
    }
    for (const char* choice : {"auto", "none", "da", "sv"}) {
        EXPECT_TRUE(IsPageLanguageChoice(choice)) << choice;
    }
    for (const char* choice : {"", "en", "DE", "de ", "auto,de"}) {
        EXPECT_FALSE(IsPageLanguageChoice(choice)) << choice;
    }
}

} // namespace
} // namespace orvanta::core
