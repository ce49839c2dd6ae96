#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta::text {

// Decodes UTF-16 to UTF-8 a chunk at a time, so a large file never has to be in memory whole.
// Chunks may split a code unit or a surrogate pair anywhere. An unpaired surrogate and a final odd
// byte each become U+FFFD.
class Utf16Decoder {
public:
    explicit Utf16Decoder(bool bigEndian) : bigEndian_(bigEndian) {}

    // Appends the UTF-8 of every character the bytes complete.
    void feed(std::string_view bytes, std::string& utf8);
    // The end of the input: appends U+FFFD for what is left pending.
    void finish(std::string& utf8);

private:
    void unit(char16_t u, std::string& utf8);

    bool bigEndian_;
    bool haveOddByte_ = false;
    unsigned char oddByte_ = 0;
    char16_t highSurrogate_ = 0; // 0: none pending
};

} // namespace orvanta::text
