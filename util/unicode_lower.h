#pragma once

#include <string>

namespace orvanta::text {

// Unicode simple lower-case mapping: one character to one character, never changing a length.
char32_t SimpleLowerCase(char32_t c);
void LowerCaseInPlace(std::u32string& s);

} // namespace orvanta::text
