#pragma once

#include <bit>
#include <cstddef>
#include <vector>

namespace orvanta::text {

// A vector that grows by whole chunks and never moves its elements: growing it costs no copy,
// however large it is, and references stay valid. For tables that grow with the page while a
// program must stay responsive. Chunk k holds kFirstChunk << k elements, so a small table takes
// little memory and a large one few chunks.
template <typename T> class ChunkedVector {
public:
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    T& operator[](std::size_t i) {
        const Place place = placeOf(i);
        return chunks_[place.chunk][place.offset];
    }
    const T& operator[](std::size_t i) const {
        const Place place = placeOf(i);
        return chunks_[place.chunk][place.offset];
    }

    T& push_back(T value) {
        if (size_ == capacity_) {
            // Reserved, not filled: memory is touched only as elements arrive.
            const std::size_t chunkSize = kFirstChunk << chunks_.size();
            chunks_.emplace_back().reserve(chunkSize);
            capacity_ += chunkSize;
        }
        ++size_;
        return chunks_.back().emplace_back(std::move(value));
    }

private:
    static constexpr std::size_t kFirstChunkShift = 6;
    static constexpr std::size_t kFirstChunk = std::size_t{1} << kFirstChunkShift;

    struct Place {
        std::size_t chunk;
        std::size_t offset;
    };

    // Chunk k starts at element kFirstChunk * (2^k - 1).
    static Place placeOf(std::size_t i) {
        const std::size_t scaled = (i >> kFirstChunkShift) + 1;
        const std::size_t chunk = static_cast<std::size_t>(std::bit_width(scaled)) - 1;
        return {chunk, i - ((kFirstChunk << chunk) - kFirstChunk)};
    }

    std::vector<std::vector<T>> chunks_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace orvanta::text
