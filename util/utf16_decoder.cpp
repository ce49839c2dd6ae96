#include "util/utf16_decoder.h"

#include "util/text_codec.h"

namespace orvanta::text {
namespace {
constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}
} // namespace

void Utf16Decoder::unit(char16_t u, std::string& utf8) {
    if (highSurrogate_ != 0) {
        const char16_t high = highSurrogate_;
        highSurrogate_ = 0;
        if (IsLowSurrogate(u)) {
            AppendUtf8(utf8, 0x10000 + ((char32_t(high) - 0xD800) << 10) + (char32_t(u) - 0xDC00));
            return;
        }
        AppendUtf8(utf8, kReplacementCharacter);
    }
    if (IsHighSurrogate(u)) {
        highSurrogate_ = u;
    } else if (IsLowSurrogate(u)) {
        AppendUtf8(utf8, kReplacementCharacter);
    } else {
        AppendUtf8(utf8, u);
    }
}

void Utf16Decoder::feed(std::string_view bytes, std::string& utf8) {
    utf8.reserve(utf8.size() + bytes.size() / 2 * 3 + 4);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    auto combine = [this](unsigned char first, unsigned char second) {
        return static_cast<char16_t>(bigEndian_ ? (first << 8) | second : (second << 8) | first);
    };
    if (haveOddByte_ && p != end) {
        haveOddByte_ = false;
        unit(combine(oddByte_, *p++), utf8);
    }
    for (; end - p >= 2; p += 2) {
        unit(combine(p[0], p[1]), utf8);
    }
    if (p != end) {
        haveOddByte_ = true;
        oddByte_ = *p;
    }
}

void Utf16Decoder::finish(std::string& utf8) {
    if (highSurrogate_ != 0) {
        highSurrogate_ = 0;
        AppendUtf8(utf8, kReplacementCharacter);
    }
    if (haveOddByte_) {
        haveOddByte_ = false;
        AppendUtf8(utf8, kReplacementCharacter);
    }
}

} // namespace orvanta::text
