#include "util/number_reading.h"

#include "util/string_utils.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace orvanta::text {
namespace {

// Collects digits and at most one point from s (spaces skipped) and converts them; stops at the
// first other character.
template <typename CharT> double ReadDigits(std::basic_string_view<CharT> s, std::size_t from) {
    std::string digits = "0";
    bool pointSeen = false;
    for (std::size_t i = from; i < s.size(); ++i) {
        const CharT c = s[i];
        if (c == ' ') {
            continue;
        }
        if (c >= '0' && c <= '9') {
            digits.push_back(static_cast<char>(c));
        } else if (c == '.' && !pointSeen) {
            digits.push_back('.');
            pointSeen = true;
        } else {
            break;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return std::numeric_limits<double>::infinity();
    }
    return value;
}

} // namespace

double ReadLeadingNumber(std::string_view s) {
    s = TrimSpaces(s);
    std::size_t i = 0;
    double sign = 1.0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        sign = s[i] == '-' ? -1.0 : 1.0;
        ++i;
    }
    return sign * ReadDigits(s, i);
}

double ReadUnsignedNumber(std::u32string_view s) {
    return ReadDigits(s, 0);
}

std::int32_t RoundToInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = std::nearbyint(value); // default rounding mode: half to even
    if (rounded >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (rounded <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace orvanta::text
