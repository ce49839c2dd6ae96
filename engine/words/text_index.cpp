#include "engine/words/text_index.h"

#include <cstring>

namespace orvanta {
namespace {

// Keys moved from the previous table at every insertion. The current table holds twice what the
// previous one did, so the move ends long before the current table is full.
constexpr int kMovedPerInsertion = 8;
// Below this size a table grows the ordinary way: the pause is too short to matter.
constexpr std::size_t kGrowInSteps = std::size_t{1} << 16;

std::uint64_t Load8(const char* p) {
    std::uint64_t v = 0;
    std::memcpy(&v, p, 8);
    return v;
}

std::uint32_t Load4(const char* p) {
    std::uint32_t v = 0;
    std::memcpy(&v, p, 4);
    return v;
}

// The last up-to-eight bytes of a text as one number, read with fixed-size loads (overlapping
// for lengths that are not a multiple) so that no variable-length copy is needed.
std::uint64_t TailChunk(const char* p, std::size_t n) {
    if (n >= 8) {
        return Load8(p + n - 8);
    }
    if (n >= 4) {
        return (static_cast<std::uint64_t>(Load4(p)) << 32) | Load4(p + n - 4);
    }
    if (n == 0) {
        return 0;
    }
    const auto byte = [p](std::size_t i) {
        return static_cast<std::uint64_t>(static_cast<unsigned char>(p[i]));
    };
    return (byte(0) << 16) | (byte(n / 2) << 8) | byte(n - 1);
}

} // namespace

// Words are short: eight bytes at a time, multiplied in; the table mixes the result further.
std::size_t WordHash::operator()(std::string_view word) const noexcept {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
    const char* p = word.data();
    const std::size_t n = word.size();
    std::uint64_t h = n * kMultiplier;
    std::size_t i = 0;
    for (; i + 8 < n; i += 8) {
        h = (h ^ Load8(p + i)) * kMultiplier;
        h ^= h >> 29;
    }
    h = (h ^ TailChunk(p, n)) * kMultiplier;
    h ^= h >> 29;
    return static_cast<std::size_t>(h);
}

namespace {

// The first up-to-eight bytes of a text as one number: for a given length, two texts of up to
// eight bytes are the same exactly when these are.
std::uint64_t WordHead(const char* p, std::size_t n) {
    if (n >= 8) {
        return Load8(p);
    }
    return TailChunk(p, n);
}

// Whether the bytes after the first eight are the same, for two texts of length n.
bool SameAfterHead(const char* a, const char* b, std::size_t n) {
    if (n <= 8) {
        return true;
    }
    if (n <= 16) {
        return Load8(a + n - 8) == Load8(b + n - 8);
    }
    return std::memcmp(a + 8, b + 8, n - 8) == 0;
}

} // namespace

bool SameWord(std::string_view a, std::string_view b) noexcept {
    const std::size_t n = a.size();
    return n == b.size() && WordHead(a.data(), n) == WordHead(b.data(), n) &&
           SameAfterHead(a.data(), b.data(), n);
}

TextIndex::Probe TextIndex::MakeProbe(std::string_view text) noexcept {
    return Probe{text, WordHead(text.data(), text.size()), WordHash{}(text)};
}

bool TextIndex::Matches(const Probe& probe, const Key& key) noexcept {
    const std::size_t n = probe.text.size();
    return key.size == n && key.head == probe.head && SameAfterHead(probe.text.data(), key.text, n);
}

TextIndex::Id TextIndex::find(std::string_view text) const {
    const Probe probe = MakeProbe(text);
    const auto found = current_.find(probe);
    if (found != current_.end()) {
        return found->id;
    }
    if (!previous_.empty()) {
        const auto old = previous_.find(probe);
        if (old != previous_.end()) {
            return old->id;
        }
    }
    return kNone;
}

void TextIndex::insert(std::string_view text, Id id) {
    if (!previous_.empty()) {
        moveSomeOver();
    } else if (current_.size() >= kGrowInSteps && current_.size() == current_.max_load()) {
        // Full: the next insertion would move every key at once.
        previous_ = std::move(current_);
        current_ = Table();
        current_.reserve(2 * previous_.size());
        next_ = previous_.begin();
        moveSomeOver();
    }
    const Probe probe = MakeProbe(text);
    current_.insert(
        Key{probe.head, text.data(), static_cast<std::uint32_t>(text.size()), id, probe.hash});
}

void TextIndex::moveSomeOver() {
    for (int i = 0; i < kMovedPerInsertion && next_ != previous_.end(); ++i, ++next_) {
        current_.insert(*next_);
    }
    if (next_ == previous_.end()) {
        previous_ = Table();
        next_ = {};
    }
}

} // namespace orvanta
