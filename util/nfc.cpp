#include "util/nfc.h"

#include "util/text_codec.h"

#include <algorithm>
#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/stringpiece.h>
#include <utility>

namespace orvanta::text {
namespace {

const icu::Normalizer2& Nfc() {
    static const icu::Normalizer2* nfc = [] {
        UErrorCode status = U_ZERO_ERROR;
        return icu::Normalizer2::getNFCInstance(status);
    }();
    return *nfc;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

bool ToNfc(std::string_view validUtf8, std::string& out) {
    if (IsAscii(validUtf8)) {
        return false;
    }
    const icu::StringPiece piece(validUtf8.data(), static_cast<int32_t>(validUtf8.size()));
    UErrorCode status = U_ZERO_ERROR;
    if (Nfc().isNormalizedUTF8(piece, status) || U_FAILURE(status)) {
        return false;
    }
    std::string normalised;
    icu::StringByteSink<std::string> sink(&normalised, static_cast<int32_t>(validUtf8.size()));
    Nfc().normalizeUTF8(0, piece, sink, nullptr, status);
    if (U_FAILURE(status)) {
        return false;
    }
    out = std::move(normalised);
    return true;
}

void ToNfcInPlace(std::u32string& text) {
    std::string normalised;
    if (ToNfc(ToUtf8(text), normalised)) {
        text = DecodeUtf8(normalised);
    }
}

} // namespace orvanta::text
