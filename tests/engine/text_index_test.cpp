#include "engine/words/text_index.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>

namespace orvanta {
namespace {

// The index grows a step at a time once it is large: every text stays findable while its keys
// are moved to the larger table, and only texts given to it are found.
TEST(TextIndex, FindsEveryTextWhileItGrows) {
    std::deque<std::string> texts; // unmoved, as the index needs
    TextIndex index;
    for (TextIndex::Id id = 0; id < 400'000; ++id) {
        const std::string& text = texts.emplace_back("t" + std::to_string(id));
        ASSERT_EQ(index.find(text), TextIndex::kNone) << id;
        index.insert(text, id);
        if (id % 997 == 0) {
            for (const TextIndex::Id earlier : {TextIndex::Id{0}, id / 3, id / 2, id}) {
                ASSERT_EQ(index.find(texts[earlier]), earlier) << id << " " << earlier;
            }
        }
    }
    for (TextIndex::Id id = 0; id < 400'000; ++id) {
        ASSERT_EQ(index.find(texts[id]), id);
    }
    EXPECT_EQ(index.find("t400000"), TextIndex::kNone);
}

// Words are compared with a few fixed-size loads: a difference in any byte, at any length, and
// in the bytes beyond the word must be seen or ignored as such.
TEST(SameWord, SeesEveryByteOfEveryLength) {
    const auto equal = SameWord;
    const WordHash hash;
    const std::string padded = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (std::size_t n = 0; n <= 24; ++n) {
        const std::string word = padded.substr(0, n);
        std::string other = padded;
        other[n] = '#'; // differs after the word only
        EXPECT_TRUE(equal(word, std::string_view(other).substr(0, n))) << n;
        EXPECT_EQ(hash(word), hash(std::string_view(other).substr(0, n))) << n;
        EXPECT_FALSE(equal(word, padded.substr(0, n + 1))) << n;
        for (std::size_t i = 0; i < n; ++i) {
            std::string changed = word;
            changed[i] = '#';
            EXPECT_FALSE(equal(word, changed)) << n << " " << i;
            EXPECT_NE(hash(word), hash(changed)) << n << " " << i;
        }
    }
}

} // namespace
} // namespace orvanta
