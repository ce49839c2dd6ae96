#pragma once

#include <boost/unordered/unordered_flat_set.hpp>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvanta {

// Hash of a word (a short ASCII text).
struct WordHash {
    std::size_t operator()(std::string_view word) const noexcept;
};

// Equality of words, with a few fixed-size loads for short texts.
bool SameWord(std::string_view a, std::string_view b) noexcept;

// Finds the id of a text among the texts given one. The texts themselves are kept by the
// caller, unmoved for the index's lifetime. The index never stops for long however many texts
// it holds: when it is full, it starts a table twice the size and moves the old table's texts
// over a few at every insertion, instead of all of them at once.
class TextIndex {
public:
    using Id = std::uint32_t;
    static constexpr Id kNone = static_cast<Id>(-1);

    Id find(std::string_view text) const;
    // text must not be in the index yet, and is shorter than 4 GB.
    void insert(std::string_view text, Id id);

private:
    // A stored text. Its first bytes are kept beside it, so that most look-ups (words of up to
    // eight bytes, and any text whose first bytes differ) never read the text itself.
    struct Key {
        std::uint64_t head = 0;
        const char* text = nullptr;
        std::uint32_t size = 0;
        Id id = 0;
        std::size_t hash = 0; // kept, so that moving to a larger table reads no text
    };
    // A text being looked up, with its head and hash worked out once.
    struct Probe {
        std::string_view text;
        std::uint64_t head = 0;
        std::size_t hash = 0;
    };
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(const Key& key) const noexcept { return key.hash; }
        std::size_t operator()(const Probe& probe) const noexcept { return probe.hash; }
    };
    struct KeyEqual {
        using is_transparent = void;
        bool operator()(const Key& a, const Key& b) const noexcept { return a.id == b.id; }
        bool operator()(const Probe& a, const Key& b) const noexcept { return Matches(a, b); }
        bool operator()(const Key& a, const Probe& b) const noexcept { return Matches(b, a); }
    };
    static Probe MakeProbe(std::string_view text) noexcept;
    static bool Matches(const Probe& probe, const Key& key) noexcept;
    using Table = boost::unordered_flat_set<Key, KeyHash, KeyEqual>;

    void moveSomeOver();

    Table current_;
    Table previous_;               // being moved into current_; left unchanged until emptied
    Table::const_iterator next_{}; // the next of previous_'s keys to move
};

} // namespace orvanta
