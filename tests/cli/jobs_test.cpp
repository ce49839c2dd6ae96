// Several files at once: the job runner's order and errors.
#include "cli/job_runner.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using orvanta::cli::RunInOrder;

TEST(JobRunner, DeliversInOrderWhateverOrderTheWorkEndsIn) {
    for (const unsigned jobs : {1U, 2U, 3U, 8U}) {
        std::vector<int> results(40, -1);
        std::vector<std::size_t> delivered;
        RunInOrder(
            results.size(), jobs,
            [&](std::size_t i) {
                // Early items take longest, so later ones finish first.
                std::this_thread::sleep_for(std::chrono::microseconds((40 - i) * 50));
                results[i] = static_cast<int>(i * i);
            },
            [&](std::size_t i) {
                EXPECT_EQ(results[i], static_cast<int>(i * i));
                delivered.push_back(i);
            });
        ASSERT_EQ(delivered.size(), results.size()) << jobs;
        for (std::size_t i = 0; i < delivered.size(); ++i) {
            EXPECT_EQ(delivered[i], i);
        }
    }
}

TEST(JobRunner, WorkStaysAFewItemsAheadOfDelivery) {
    std::atomic<std::size_t> started{0};
    std::size_t mostAhead = 0;
    RunInOrder(
        200, 2, [&](std::size_t) { ++started; },
        [&](std::size_t i) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            mostAhead = std::max(mostAhead, started.load() - i);
        });
    EXPECT_LE(mostAhead, 9U);
}

TEST(JobRunner, AnExceptionComesOutWhereItsItemWouldBeDelivered) {
    for (const unsigned jobs : {1U, 2U, 4U}) {
        std::vector<std::size_t> delivered;
        EXPECT_THROW(RunInOrder(
                         20, jobs,
                         [](std::size_t i) {
                             if (i == 7) {
                                 throw std::runtime_error("seven");
                             }
                         },
                         [&](std::size_t i) { delivered.push_back(i); }),
                     std::runtime_error);
        EXPECT_EQ(delivered.size(), 7U) << jobs;
    }
}

} // namespace
