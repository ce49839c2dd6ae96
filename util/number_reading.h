#pragma once

#include <cstdint>
#include <string_view>

namespace orvanta::text {

// The leading-number rule used for the limit texts and the settings file's check values: spaces are
// skipped anywhere, then an optional sign, then digits with at most one decimal point; reading
// stops at the first other character. No digits read as 0. Exponents are not read.
double ReadLeadingNumber(std::string_view s);

// The digits-after-a-sign reading of font sizes: spaces skipped, digits with at most one decimal
// point, no sign. Reads from the start of s; no digits read as 0.
double ReadUnsignedNumber(std::u32string_view s);

// Round half to even, clamped to the 32-bit range.
std::int32_t RoundToInt32(double value);

} // namespace orvanta::text
