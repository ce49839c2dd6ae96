#pragma once

#include <string>
#include <string_view>

namespace orvanta::text {

// Unicode simple lower-case mapping: one character to one character, never changing a length.
char32_t SimpleLowerCase(char32_t c);
void LowerCaseInPlace(std::u32string& s);

// Writes the lower case of valid UTF-8 text to out (replacing its content). A character's lower
// case can take more or fewer bytes than the character itself, so out may differ in length.
void LowerCaseUtf8(std::string_view utf8, std::string& out);
// The same, in place.
void LowerCaseUtf8InPlace(std::string& utf8);

} // namespace orvanta::text
