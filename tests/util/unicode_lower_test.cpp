#include "util/unicode_lower.h"

#include <gtest/gtest.h>

namespace orvanta::text {
namespace {

TEST(SimpleLowerCase, MapsOneCharacterToOne) {
    EXPECT_EQ(SimpleLowerCase(U'A'), U'a');
    EXPECT_EQ(SimpleLowerCase(U'\u0130'), U'i');              // capital I with dot above
    EXPECT_EQ(SimpleLowerCase(U'\u212a'), U'k');              // Kelvin sign
    EXPECT_EQ(SimpleLowerCase(U'\u00c4'), U'\u00e4');         // A-umlaut
    EXPECT_EQ(SimpleLowerCase(U'\u0178'), U'\u00ff');         // Y-diaeresis
    EXPECT_EQ(SimpleLowerCase(U'\u03a3'), U'\u03c3');         // sigma
    EXPECT_EQ(SimpleLowerCase(U'\u00df'), U'\u00df');         // sharp s has no simple mapping
    EXPECT_EQ(SimpleLowerCase(U'\u1e9e'), U'\u00df');         // capital sharp s
    EXPECT_EQ(SimpleLowerCase(U'\u0410'), U'\u0430');         // Cyrillic A
    EXPECT_EQ(SimpleLowerCase(U'\U00010400'), U'\U00010428'); // Deseret, beyond the BMP
    EXPECT_EQ(SimpleLowerCase(U'1'), U'1');
    std::u32string s = U"\u0130STANBUL";
    LowerCaseInPlace(s);
    EXPECT_EQ(s, U"istanbul");
}

} // namespace
} // namespace orvanta::text
