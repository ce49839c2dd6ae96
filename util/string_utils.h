#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Character-level text operations for the scanner, word acceptance and the tag composer.
// Positions are 0-based; "not found" is reported as the text's length, so a result can always be
// compared against the end of the text.
namespace orvanta::text {

inline constexpr char32_t kSpace = U' ';

// Position of the first non-space character after position p (p is clamped to the last position).
// Searching from "before the start" is pos == npos, which looks from the first character on.
std::size_t SkipSpaces(std::u32string_view s, std::size_t p);
inline constexpr std::size_t kBeforeStart = static_cast<std::size_t>(-1);

// First position at or after p whose character is one of set; s.size() when none.
std::size_t FindFirstOf(std::u32string_view s, std::size_t p, std::u32string_view set);

// ASCII letter test, either case.
constexpr bool IsLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

// Number of consecutive letters from p.
std::size_t LetterRunLength(std::u32string_view s, std::size_t p);

// Filters s so that it reads as a whole number: digits stay, a sign stays only before every digit
// and only once ("-" only when allowMinus).
void KeepSignedDigits(std::string& s, bool allowMinus);

std::size_t CountChar(std::u32string_view s, char32_t c);

std::u32string RemoveSpaces(std::u32string_view s);

// Replaces every occurrence of from by to, scanning left to right without rescanning replacements.
template <typename String>
void ReplaceAll(String& s, std::basic_string_view<typename String::value_type> from,
                std::basic_string_view<typename String::value_type> to);

// True when s starts with prefix at position p.
inline bool StartsWithAt(std::u32string_view s, std::size_t p, std::u32string_view prefix) {
    return p <= s.size() && s.substr(p).starts_with(prefix);
}

// Removes leading and trailing U+0020 only (tabs and other blanks stay).
std::u32string_view TrimSpaces(std::u32string_view s);
std::string_view TrimSpaces(std::string_view s);

} // namespace orvanta::text

#include "util/string_utils_impl.h"
