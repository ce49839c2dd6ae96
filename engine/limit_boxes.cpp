#include "engine/output.h"
#include "engine/settings.h"
#include "util/number_reading.h"
#include "util/string_utils.h"

namespace orvanta {
namespace {

LimitBoxCheck Filter(std::string_view text) {
    LimitBoxCheck check;
    check.filtered = std::string(text);
    text::KeepSignedDigits(check.filtered, false);
    check.finalText = check.filtered;
    return check;
}

void Reject(LimitBoxCheck& check, const char* what, int bound, int replacement) {
    check.message = std::string(what) + " " + std::to_string(bound) + ".";
    check.finalText = std::to_string(replacement);
}

} // namespace

LimitBoxCheck CheckMaxKeywordsBox(std::string_view text) {
    LimitBoxCheck check = Filter(text);
    if (check.filtered.empty()) {
        return check;
    }
    const double value = text::ReadLeadingNumber(check.filtered);
    if (value > intMaxNumKeywords) {
        Reject(check, "Maximum number of keywords in the meta tag is", intMaxNumKeywords,
               intDefaultNumKeywords);
    } else if (value < intMinNumKeywords) {
        Reject(check, "Minimum number of keywords in the meta tag is", intMinNumKeywords,
               intDefaultNumKeywords);
    }
    return check;
}

LimitBoxCheck CheckMaxBytesBox(std::string_view text) {
    LimitBoxCheck check = Filter(text);
    if (check.filtered.empty()) {
        return check;
    }
    if (text::ReadLeadingNumber(check.filtered) > intMaxNumBytes) {
        Reject(check, "Maximum number of bytes in the meta tag is", intMaxNumBytes,
               intDefaultNumBytes);
    }
    return check;
}

} // namespace orvanta
