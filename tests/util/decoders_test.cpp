#include "util/legacy_decoder.h"
#include "util/utf16_decoder.h"

#include <gtest/gtest.h>
#include <string>

namespace orvanta::text {
namespace {

using namespace std::string_view_literals;

// Single-byte, multi-byte and shift-state encodings, and what a rejected byte becomes: one U+FFFD
// for the byte alone, with decoding resumed at the next byte in the initial state.
TEST(LegacyLineDecoder, DecodesLinesAndReplacesEachRejectedByte) {
    const struct {
        const char* converter;
        std::string bytes;
        std::string utf8;
    } rows[] = {
        {"CP1251", "\xC4\xE8\xF0\xE5\xEA\xF2\xE8\xE2\xFB \xF1\xF0\xE5\xE4\xFB", "Директивы среды"},
        {"CP1251", "", ""},
        {"CP949", "\xC0\xD6\xB4\xD9. \xC0\xCC \xB0\xE6\xBF\xEC \xBC\xB3\xC1\xA4\xC6\xC4\xC0\xCF",
         "있다. 이 경우 설정파일"},
        {"GB18030", "\xC4\xA3\xBF\xE9 | \xD6\xB8\xC1\xEE | \x81\x30\x8A\x31", "模块 | 指令 | ä"},
        // A base letter held back for a combining tone mark is written first.
        {"CP1258", "Vi\xEA\xF2t", "Việt"},
        {"CP1258", "ca", "ca"}, // the final letter comes with the flush
        {"CP1258", "a\x81 b", "a\uFFFD b"},
        {"CP1255", "\xF9\xD9\xE9", "ש\uFFFDי"},
        {"CP1253", "\xE1\xAA\xE2", "α\uFFFDβ"}, // an undefined single byte
        // A lead byte without a valid trail byte: only the lead byte is lost.
        {"CP949", "\xC0\xD6\xB4\x20\xB4\xD9", "있\uFFFD 다"},
        // A multi-byte sequence cut by the line's end.
        {"GB18030", "ab\x81\x30", "ab\uFFFD0"},
        {"CP932", "\x83", "\uFFFD"},
        // Inside a shifted run: decoding resumes in the initial (ASCII) state.
        {"ISO-2022-JP", "\x1B$B%a\x80%a", "メ\uFFFD%a"},
        {"NO-SUCH-ENCODING", "abc", ""}, // a converter the system does not have decodes nothing
    };
    EXPECT_FALSE(LegacyLineDecoder("NO-SUCH-ENCODING").isOpen());
    for (const auto& r : rows) {
        LegacyLineDecoder decoder(r.converter);
        std::string utf8 = "left over";
        decoder.decodeLine(r.bytes, utf8);
        EXPECT_EQ(utf8, r.utf8) << r.converter << " " << r.utf8;
    }
}

TEST(LegacyLineDecoder, EscapeSequencesLastOnlyToTheEndOfTheLine) {
    LegacyLineDecoder decoder("ISO-2022-JP");
    std::string utf8;
    decoder.decodeLine("\x1B$B%a%$%s$N@_Dj\x1B(B apache2.conf \x1B$BL>A0", utf8);
    EXPECT_EQ(utf8, "メインの設定 apache2.conf 名前");
    // The next line starts in ASCII again although the last one never switched back.
    decoder.decodeLine("%a%$%s", utf8);
    EXPECT_EQ(utf8, "%a%$%s");
}

std::string Utf16(bool bigEndian, std::string_view bytes, std::size_t chunk) {
    Utf16Decoder decoder(bigEndian);
    std::string utf8;
    for (std::size_t i = 0; i < bytes.size(); i += chunk) {
        decoder.feed(bytes.substr(i, chunk), utf8);
    }
    decoder.finish(utf8);
    return utf8;
}

// Both byte orders, and what broken input gives, fed in chunks of any size.
TEST(Utf16Decoder, DecodesInChunksOfAnySize) {
    const struct {
        bool bigEndian;
        std::string_view bytes;
        std::string utf8;
    } rows[] = {
        {false, "K\0\xF6\0r\0 \0=\xD8\0\xDE"sv, "Kör 😀"},
        {true, "\0K\0\xF6\0r\0 \xD8=\xDE\0"sv, "Kör 😀"},
        // A low surrogate alone, a high surrogate followed by a letter, one at the very end.
        {false, "\0\xDC\x61\0=\xD8\x62\0=\xD8"sv, "\uFFFDa\uFFFDb\uFFFD"},
        {true, "\0a\0"sv, "a\uFFFD"}, // a final odd byte
        {true, "\xD8="sv, "\uFFFD"},
        {true, "\xD8=\0"sv, "\uFFFD\uFFFD"},
    };
    for (const auto& r : rows) {
        for (std::size_t chunk : {1, 2, 3, 5, 64}) {
            EXPECT_EQ(Utf16(r.bigEndian, r.bytes, chunk), r.utf8) << r.utf8 << " / " << chunk;
        }
    }
}

} // namespace
} // namespace orvanta::text
