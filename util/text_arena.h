#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace orvanta::text {

// Keeps copies of short texts in blocks that never move, so that a view of a stored text stays
// valid for the arena's lifetime. Blocks start small and double up to 64 KB.
class TextArena {
public:
    std::string_view store(std::string_view text) {
        if (text.size() > kLargestBlock / 4) {
            large_.push_back(std::make_unique_for_overwrite<char[]>(text.size()));
            return copyInto(large_.back().get(), text);
        }
        if (blocks_.empty() || blockSize_ - used_ < text.size()) {
            const std::size_t next =
                blocks_.empty() ? kFirstBlock : std::min(2 * blockSize_, kLargestBlock);
            blockSize_ = std::max(next, text.size());
            blocks_.push_back(std::make_unique_for_overwrite<char[]>(blockSize_));
            used_ = 0;
        }
        const std::string_view stored = copyInto(blocks_.back().get() + used_, text);
        used_ += text.size();
        return stored;
    }

private:
    static constexpr std::size_t kFirstBlock = std::size_t{1} << 10;
    static constexpr std::size_t kLargestBlock = std::size_t{64} << 10;

    static std::string_view copyInto(char* to, std::string_view text) {
        std::copy(text.begin(), text.end(), to);
        return {to, text.size()};
    }

    std::vector<std::unique_ptr<char[]>> blocks_;
    std::vector<std::unique_ptr<char[]>> large_;
    std::size_t blockSize_ = 0;
    std::size_t used_ = 0;
};

} // namespace orvanta::text
