#pragma once

#include <cstddef>
#include <vector>

namespace orvanta::text {

// A vector that grows by whole chunks and never moves its elements: growing it costs no copy,
// however large it is, and references stay valid. For tables that grow with the page while a
// program must stay responsive. Chunks are small enough (2,048 elements by default) for the
// allocator's heap: larger blocks each take a mapping of their own from the system, which runs
// on several threads at once would wait for one another to make.
template <typename T, std::size_t kChunkShift = 11> class ChunkedVector {
public:
    static constexpr std::size_t kChunkSize = std::size_t{1} << kChunkShift;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    T& operator[](std::size_t i) { return chunks_[i >> kChunkShift][i & (kChunkSize - 1)]; }
    const T& operator[](std::size_t i) const {
        return chunks_[i >> kChunkShift][i & (kChunkSize - 1)];
    }

    T& push_back(T value) {
        if ((size_ & (kChunkSize - 1)) == 0) {
            // Reserved, not filled: memory is touched only as elements arrive.
            chunks_.emplace_back().reserve(kChunkSize);
        }
        ++size_;
        return chunks_.back().emplace_back(std::move(value));
    }

private:
    std::vector<std::vector<T>> chunks_;
    std::size_t size_ = 0;
};

} // namespace orvanta::text
