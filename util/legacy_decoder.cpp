#include "util/legacy_decoder.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace orvanta::text {
namespace {
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
constexpr std::size_t kLongestBlock = 1 << 16;
} // namespace

LegacyLineDecoder::LegacyLineDecoder(const char* converterName) {
    iconv_t cd = iconv_open("UTF-8", converterName);
    if (cd != reinterpret_cast<iconv_t>(-1)) {
        converter_ = cd;
    }
}

LegacyLineDecoder::~LegacyLineDecoder() {
    if (isOpen()) {
        iconv_close(static_cast<iconv_t>(converter_));
    }
}

int LegacyLineDecoder::convert(const char** input, std::size_t* inputLeft, std::string& utf8) {
    iconv_t cd = static_cast<iconv_t>(converter_);
    for (;;) {
        // Room for a short line in one go: no legacy byte becomes more than 3 UTF-8 bytes
        // except with a held-back letter, and E2BIG just asks for more. A long line is converted
        // a block at a time, so that the buffer grows with what is written, not three times the
        // input.
        const std::size_t used = utf8.size();
        const std::size_t room =
            (input != nullptr ? std::min(*inputLeft * 3, kLongestBlock) : 0) + 16;
        utf8.resize(used + room);
        char* out = utf8.data() + used;
        std::size_t outLeft = room;
        const std::size_t result = iconv(cd, const_cast<char**>(input), inputLeft, &out, &outLeft);
        const int error = result == static_cast<std::size_t>(-1) ? errno : 0;
        utf8.resize(used + (room - outLeft));
        if (error != E2BIG) {
            return error;
        }
    }
}

void LegacyLineDecoder::decodeLine(std::string_view bytes, std::string& utf8) {
    utf8.clear();
    if (!isOpen()) {
        return;
    }
    iconv(static_cast<iconv_t>(converter_), nullptr, nullptr, nullptr, nullptr);
    const char* input = bytes.data();
    std::size_t inputLeft = bytes.size();
    for (;;) {
        const int error = convert(&input, &inputLeft, utf8);
        convert(nullptr, nullptr, utf8); // flush; back to the initial state
        if (error == 0 || inputLeft == 0) {
            return;
        }
        // EILSEQ or EINVAL (an incomplete sequence, only possible at the line's end): the
        // byte at the stop stands for one U+FFFD.
        utf8.append(kReplacementCharacter);
        ++input;
        --inputLeft;
    }
}

} // namespace orvanta::text
