#pragma once

#include <string>
#include <string_view>

namespace orvanta::core {

inline constexpr int kMinKeywords = 5;
inline constexpr int kMaxKeywords = 100;
inline constexpr int kMaxBytes = 1000;

// What leaving one of the two limit boxes does.
struct LimitBoxCheck {
    std::string filtered;  // the box text after filtering
    std::string message;   // message box text, empty when none
    std::string finalText; // the box text afterwards (the default after a rejection)
};

// Keeps the digits (and a leading "+") of the text, then rejects a number out of range.
LimitBoxCheck CheckMaxKeywordsBox(std::string_view text);
LimitBoxCheck CheckMaxBytesBox(std::string_view text);

} // namespace orvanta::core
