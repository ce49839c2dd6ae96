#include "util/text_codec.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace orvanta::text {
namespace {

// 0x80..0x9F of Windows-1252. The five bytes it leaves undefined map to the C1 control of the
// same code, as the platform decoders do.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Length of the UTF-8 sequence starting at i, or 0 when it is not a valid sequence.
std::size_t ValidSequenceLength(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char lo = 0x80;
    unsigned char hi = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        if (b0 == 0xE0) {
            lo = 0xA0; // no overlong forms
        } else if (b0 == 0xED) {
            hi = 0x9F; // no surrogates
        }
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        if (b0 == 0xF0) {
            lo = 0x90;
        } else if (b0 == 0xF4) {
            hi = 0x8F; // nothing above U+10FFFF
        }
    } else {
        return 0;
    }
    if (i + length > s.size()) {
        return 0;
    }
    if (byte(i + 1) < lo || byte(i + 1) > hi) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) {
            return 0;
        }
    }
    return length;
}

// Length of the leading run of ASCII bytes, eight at a time.
std::size_t AsciiPrefixLength(std::string_view bytes) {
    std::size_t i = 0;
    while (i + 8 <= bytes.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + i, 8);
        if ((word & 0x8080808080808080ULL) != 0) {
            break;
        }
        i += 8;
    }
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) {
        ++i;
    }
    return i;
}

} // namespace

std::size_t ValidUtf8SequenceLength(std::string_view bytes, std::size_t i) {
    return ValidSequenceLength(bytes, i);
}

std::size_t EncodeUtf8(char32_t c, char* out) {
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            i += AsciiPrefixLength(bytes.substr(i));
            continue;
        }
        const std::size_t length = ValidSequenceLength(bytes, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::u32string DecodeUtf8(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        if (b0 < 0x80) {
            out.push_back(b0);
            ++i;
            continue;
        }
        const std::size_t length = b0 >= 0xF0 ? 4 : (b0 >= 0xE0 ? 3 : 2);
        char32_t c = b0 & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < s.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        }
        out.push_back(c);
        i += length;
    }
    return out;
}

std::u32string DecodeWindows1252(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (const char ch : s) {
        const auto b = static_cast<unsigned char>(ch);
        out.push_back((b >= 0x80 && b <= 0x9F) ? kWindows1252High[b - 0x80] : char32_t{b});
    }
    return out;
}

std::u32string DecodeLine(std::string_view bytes) {
    // Pure ASCII is by far the commonest line; skip the validation walk for it.
    bool ascii = true;
    for (const char ch : bytes) {
        if (static_cast<unsigned char>(ch) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        return std::u32string(bytes.begin(), bytes.end());
    }
    return IsValidUtf8(bytes) ? DecodeUtf8(bytes) : DecodeWindows1252(bytes);
}

void AppendWindows1252AsUtf8(std::string_view bytes, std::string& out) {
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out.push_back(ch);
        } else {
            AppendUtf8(out, (b <= 0x9F) ? kWindows1252High[b - 0x80] : char32_t{b});
        }
    }
}

std::string_view Utf8OrWindows1252Decoder::decode(std::string_view bytes,
                                                  std::string& scratch) const {
    if (IsValidUtf8(bytes)) {
        return bytes;
    }
    return Windows1252LineDecoder().decode(bytes, scratch);
}

std::string_view Windows1252Decoder::decode(std::string_view bytes, std::string& scratch) const {
    scratch.clear();
    // One allocation: every byte from 0x80 takes at most three bytes (the line's end sentinel
    // is added later, hence the extra one).
    std::size_t high = 0;
    for (const char ch : bytes) {
        high += static_cast<unsigned char>(ch) >= 0x80 ? 1 : 0;
    }
    scratch.reserve(bytes.size() + 2 * high + 1);
    AppendWindows1252AsUtf8(bytes, scratch);
    return scratch;
}

const LineDecoder& DefaultLineDecoder() {
    static const Utf8OrWindows1252Decoder decoder;
    return decoder;
}

const LineDecoder& Windows1252LineDecoder() {
    static const Windows1252Decoder decoder;
    return decoder;
}

void AppendUtf8(std::string& out, char32_t c) {
    char encoded[4];
    out.append(encoded, EncodeUtf8(c, encoded));
}

std::string ToUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char32_t c : text) {
        AppendUtf8(out, c);
    }
    return out;
}

} // namespace orvanta::text
