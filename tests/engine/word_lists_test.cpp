#include "engine/word_lists.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(WordLists, CommonWordsComeFromAllFourLists) {
    // First and last words of each list, plus words standing in two lists.
    for (const char* w : {"after", "yet", "a", "yours", "aboard", "without", "billion", "two",
                          "the", "of", "and", "seven", "nineth", "every", "some", "but"}) {
        EXPECT_TRUE(IsCommonWord(w)) << w;
    }
    EXPECT_TRUE(IsConjunction("with") && IsPreposition("with"));
    EXPECT_TRUE(IsListedCommonWord("none") && IsNumberWord("none"));
}

TEST(WordLists, NearMissesAreNotCommon) {
    for (const char* w :
         {"however", "keyword", "zebra", "ab", "", "ninth", "thes", "yourss", "dont", "don"}) {
        EXPECT_FALSE(IsCommonWord(w)) << w;
    }
}

TEST(WordLists, ContractionStems) {
    for (const char* w : {"aren", "didn", "don", "hadn", "isn", "wasn", "weren", "won"}) {
        EXPECT_TRUE(IsContractionStem(w)) << w;
    }
    for (const char* w : {"dont", "couldn", "the", ""}) {
        EXPECT_FALSE(IsContractionStem(w)) << w;
    }
}

} // namespace
} // namespace orvanta
