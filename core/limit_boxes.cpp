#include "core/limit_boxes.h"

#include "core/user_settings.h"
#include "util/number_reading.h"
#include "util/string_utils.h"

namespace orvanta::core {
namespace {

LimitBoxCheck Filter(std::string_view text) {
    LimitBoxCheck check;
    check.filtered = std::string(text);
    text::KeepSignedDigits(check.filtered, false);
    check.finalText = check.filtered;
    return check;
}

void Reject(LimitBoxCheck& check, const char* what, int bound, const std::string& replacement) {
    check.message = std::string(what) + " " + std::to_string(bound) + ".";
    check.finalText = replacement;
}

} // namespace

LimitBoxCheck CheckMaxKeywordsBox(std::string_view text) {
    LimitBoxCheck check = Filter(text);
    if (check.filtered.empty()) {
        return check;
    }
    const std::string& fallback = UserSettings{}.maxKeywordsText;
    const double value = text::ReadLeadingNumber(check.filtered);
    if (value > kMaxKeywords) {
        Reject(check, "Maximum number of keywords in the meta tag is", kMaxKeywords, fallback);
    } else if (value < kMinKeywords) {
        Reject(check, "Minimum number of keywords in the meta tag is", kMinKeywords, fallback);
    }
    return check;
}

LimitBoxCheck CheckMaxBytesBox(std::string_view text) {
    LimitBoxCheck check = Filter(text);
    if (check.filtered.empty()) {
        return check;
    }
    if (text::ReadLeadingNumber(check.filtered) > kMaxBytes) {
        Reject(check, "Maximum number of bytes in the meta tag is", kMaxBytes,
               UserSettings{}.maxBytesText);
    }
    return check;
}

} // namespace orvanta::core
