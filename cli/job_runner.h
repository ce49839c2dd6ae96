#pragma once

#include <cstddef>
#include <functional>

namespace orvanta::cli {

// The number of jobs when none is asked for: one per processor.
unsigned DefaultJobCount();

// Runs work(i) for every item i from 0 to count - 1 on up to `jobs` threads, and calls
// deliver(i) on the calling thread for each item in order, as soon as that item and all before
// it are done. With one job everything runs on the calling thread, item after item. Work is never
// more than a few items ahead of delivery, so finished results do not pile up. An exception
// thrown by work(i) is thrown again on the calling thread where item i would be delivered, after
// every item before it was delivered and the threads have ended.
void RunInOrder(std::size_t count, unsigned jobs, const std::function<void(std::size_t)>& work,
                const std::function<void(std::size_t)>& deliver);

} // namespace orvanta::cli
