#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Character-level text operations for the scanner, word acceptance and the tag composer.
// Positions are 0-based; "not found" is reported as the text's length, so a result can always be
// compared against the end of the text.
namespace orvanta::text {

inline constexpr char32_t kSpace = U' ';

// Position of the first character at or after p that is not a space; s.size() when none.
std::size_t FirstNonSpaceFrom(std::string_view s, std::size_t p);

// ASCII letter test, either case.
constexpr bool IsLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

// Filters s so that it reads as a whole number: digits stay, a sign stays only before every digit
// and only once ("-" only when allowMinus).
void KeepSignedDigits(std::string& s, bool allowMinus);

std::size_t CountChar(std::u32string_view s, char32_t c);

// Replaces every occurrence of from by to, scanning left to right without rescanning replacements.
template <typename String>
void ReplaceAll(String& s, std::basic_string_view<typename String::value_type> from,
                std::basic_string_view<typename String::value_type> to);

// Removes leading and trailing U+0020 only (tabs and other blanks stay).
std::u32string_view TrimSpaces(std::u32string_view s);
std::string_view TrimSpaces(std::string_view s);

} // namespace orvanta::text

#include "util/string_utils_impl.h"
