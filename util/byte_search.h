#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Searches of byte strings eight bytes at a time, for the loops that walk whole pages.
namespace orvanta::text {

inline constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
inline constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

inline std::uint64_t LoadEightBytes(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, 8);
    return word;
}

// The high bit of every byte of word that equals b, and possibly of bytes above such a byte (the
// borrows of the test only reach upwards), so the lowest flag is always exact.
constexpr std::uint64_t BytesEqualTo(std::uint64_t word, unsigned char b) {
    const std::uint64_t x = word ^ (kEveryByte * b);
    return (x - kEveryByte) & ~x & kHighBits;
}

// Position of the first byte at or after from that equals a or b; n when none.
inline std::size_t FindEitherByte(const char* p, std::size_t from, std::size_t n, char a, char b) {
    const auto ua = static_cast<unsigned char>(a);
    const auto ub = static_cast<unsigned char>(b);
    std::size_t i = from;
    for (; i + 8 <= n; i += 8) {
        const std::uint64_t word = LoadEightBytes(p + i);
        if ((BytesEqualTo(word, ua) | BytesEqualTo(word, ub)) != 0) {
            break;
        }
    }
    while (i < n && p[i] != a && p[i] != b) {
        ++i;
    }
    return i;
}

} // namespace orvanta::text
