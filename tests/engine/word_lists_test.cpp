#include "engine/word_lists.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace orvanta {
namespace {

std::vector<std::string> Split(const char* words) {
    std::istringstream in(words);
    std::vector<std::string> out;
    for (std::string w; in >> w;) {
        out.push_back(w);
    }
    return out;
}

const char* const kConjunctions =
    "after also although and because before behind both but either else for hence if instead "
    "lest neither nor not only or perhaps since so that then therefore though thus unless until "
    "when whereas whether while with yet";
const char* const kCommonWords =
    "a address again ago all almost already always am an another any anyway are bad be became "
    "become becomes been began begin begun being better call called came can cannot chapter come "
    "comes could dept did different do doc does done each earlier earliest early email empty "
    "entire etc even ever every everybody everywhere exe few find found full gave get give given "
    "gives go goes gone good got had has have he hear her here hers him his hour how html http i "
    "is it its late later latest least led less let links little long longer look made make makes "
    "many may me mere might more most much must my necessary never next no none now often other "
    "others our ours part pdf possible post pre previous said same sang saw say says section see "
    "seem seems seen sees seldom self shall she short shorter should sing small smaller some "
    "somehow someone something sometime soon such sung sure take taken takes tell than that the "
    "their theirs them themselves there these they this those today told tomorrow too took txt us "
    "use used very want was we went were what when where which who whole whom whose why will "
    "worse would yes yesterday you your yours";
const char* const kPrepositions =
    "aboard about above across after against along amid amidst among amongst anti around as aside "
    "at away back before behind below beneath beside besides between beyond but by close despite "
    "down except for from in inside into like minus near of off on onto opposite out outside over "
    "past per plus save since than through to toward towards under underneath unlike until up "
    "upon versus via with within without";
const char* const kNumberWords =
    "billion eight eighteen eighth eighty eleven eleventh every fifteen fifth fifty first five "
    "forty four fourteen fourth half hundred million nine nineteen nineth ninety none once one "
    "quarter second seven seventeen seventh seventy six sixteen sixth sixty some ten tenth third "
    "thirteen thirty thousand three thrice twelfth twelve twenty twice two";
const char* const kContractionStems = "aren didn don hadn isn wasn weren won";

TEST(WordLists, HoldExactlyTheirWords) {
    struct List {
        const char* words;
        std::size_t count;
        bool (*lookup)(std::string_view);
    };
    const List lists[] = {
        {kConjunctions, 37, IsConjunction},        {kCommonWords, 208, IsListedCommonWord},
        {kPrepositions, 69, IsPreposition},        {kNumberWords, 51, IsNumberWord},
        {kContractionStems, 8, IsContractionStem},
    };
    std::set<std::string> common;
    for (const List& list : lists) {
        const std::vector<std::string> words = Split(list.words);
        ASSERT_EQ(words.size(), list.count);
        for (const std::string& w : words) {
            EXPECT_TRUE(list.lookup(w)) << w;
            EXPECT_FALSE(list.lookup(w + "a")) << w << "a"; // a near miss
            if (list.lookup != IsContractionStem) {
                common.insert(w);
                EXPECT_TRUE(IsCommonWord(w)) << w;
            }
        }
    }
    EXPECT_EQ(common.size(), 351u);
}

TEST(WordLists, LookupExamples) {
    for (const char* w : {"the", "of", "and", "seven", "a", "yours", "nineth"}) {
        EXPECT_TRUE(IsCommonWord(w)) << w;
    }
    for (const char* w : {"however", "keyword", "zebra", "ab", "", "ninth", "zzz", "dont"}) {
        EXPECT_FALSE(IsCommonWord(w)) << w;
    }
    EXPECT_FALSE(IsContractionStem("dont"));
    EXPECT_FALSE(IsContractionStem("couldn"));
    EXPECT_FALSE(IsContractionStem("the"));
    EXPECT_FALSE(IsCommonWord("don"));
}

} // namespace
} // namespace orvanta
