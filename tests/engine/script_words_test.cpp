#include "engine/scanning/script_words.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <unicode/brkiter.h>
#include <unicode/utext.h>
#include <vector>

namespace orvanta {
namespace {

using Words = std::vector<std::string>;

Words Cut(const std::string& run) {
    ScriptWordCutter cutter;
    Words words;
    cutter.cut(run, [&](std::string_view word, std::size_t) { words.emplace_back(word); });
    return words;
}

// Alphabetic runs, marks and joiners included, are the random check's below.
TEST(ScriptWords, RunsAreCutIntoWords) {
    const struct {
        std::string run;
        Words words;
    } cases[] = {
        {"パッケージをインストールします", {"パッケージ", "を", "インストール", "し", "ます"}},
        {"软件包管理系统", {"软件", "包", "管理", "系统"}},
        // ICU cuts long loanwords; consecutive katakana pieces are one word again.
        {"ディストリビューション", {"ディストリビューション"}},
        {"ソフト管理", {"ソフト", "管理"}},
        {"ｿﾌﾄｳｪｱ", {"ｿﾌﾄｳｪｱ"}},
        // A final σ is written ς; a σ alone stays.
        {"πακετοσ", {"πακετος"}},
        {"σ", {"σ"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cut(c.run), c.words) << c.run;
    }
}

TEST(ScriptWords, RunsOfWordCharacters) {
    const std::string line = "abcжук٣ми\u200cمی 中文 ";
    EXPECT_EQ(WordCharacterAt(line, 0), 0u);       // a-z is not one
    EXPECT_EQ(WordCharacterRunEnd(line, 3), 9u);   // жук, up to the Arabic-Indic digit
    EXPECT_EQ(WordCharacterRunEnd(line, 11), 22u); // ми, the non-joiner and می
    EXPECT_EQ(WordCharacterRunEnd(line, 23), 29u); // 中文
}

// A run of megabytes without a stop is cut in parts before the break iterator sees it, so that
// its work stays bounded; each part's words come out as a run of their own would give them.
TEST(ScriptWords, HugeRunsAreCutInParts) {
    const std::string run = testing::Repeat("软件包管理系统", (3 << 20) / 21 + 1);
    ScriptWordCutter cutter;
    std::size_t words = 0;
    std::size_t lastEnd = 0;
    cutter.cut(run, [&](std::string_view word, std::size_t end) {
        EXPECT_EQ(end - word.size(), lastEnd);
        lastEnd = end;
        ++words;
    });
    EXPECT_EQ(lastEnd, run.size());
    EXPECT_GE(words, run.size() / 21 * 4 - 4);
}

TEST(ScriptWords, FinalSigmasOfAText) {
    std::string text = "πακετοσ, abc σ αβσ-γσ πακετοσε";
    WriteFinalSigmas(text);
    EXPECT_EQ(text, "πακετος, abc σ αβς-γς πακετοσε");
}

// What the break iterator alone gives for a run, the lead pieces of letters kept.
Words ByBreakIterator(const std::string& run) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> words(
        icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
    UText* text = utext_openUTF8(nullptr, run.data(), static_cast<int64_t>(run.size()), &status);
    words->setText(text, status);
    Words pieces;
    int32_t start = words->first();
    for (int32_t end = words->next(); end != icu::BreakIterator::DONE; end = words->next()) {
        if (words->getRuleStatus() >= UBRK_WORD_LETTER &&
            words->getRuleStatus() < UBRK_WORD_IDEO_LIMIT) {
            pieces.push_back(
                run.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)));
        }
        start = end;
    }
    utext_close(text);
    return pieces;
}

// The cutter keeps a run of alphabetic letters and marks whole without asking the break
// iterator; random runs of such characters must come out as the iterator cuts them.
TEST(ScriptWords, AlphabeticRunsAgreeWithTheBreakIterator) {
    const std::vector<std::string> characters = {
        "ж",      "Ж",  "ї", "λ",      "ά",      "ب",      "ة",      "\u064e", "א",
        "\u05b7", "ה",  "क", "\u093f", "\u094d", "\u0301", "\u200c", "\u200d", "가",
        "ᄀ",     "ᅡ", "ა", "ա",      "ʻ",      "µ",      "ㄅ",     "ꙮ"};
    std::mt19937 random(15);
    for (int i = 0; i < 5000; ++i) {
        std::string run;
        const std::size_t length = 1 + random() % 8;
        for (std::size_t k = 0; k < length; ++k) {
            run += characters[random() % characters.size()];
        }
        EXPECT_EQ(Cut(run), ByBreakIterator(run)) << run;
    }
}

} // namespace
} // namespace orvanta
