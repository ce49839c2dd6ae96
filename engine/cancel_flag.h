#pragma once

#include <atomic>

namespace orvanta {

// True when a flag was given and another thread has set it: the work it guards should stop.
inline bool IsCancelled(const std::atomic<bool>* flag) {
    return flag != nullptr && flag->load(std::memory_order_relaxed);
}

} // namespace orvanta
