// Several files at once: the job runner's order and errors, and orvanta-cli --jobs giving exactly
// what one job gives.
#include "cli/job_runner.h"
#include "command_runner.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace clitest;

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

// The test pages, with missing files among them, in every mode and output format.
TEST(CliJobs, OutputErrorsAndStatusAreThoseOfOneJob) {
    std::vector<std::string> pages = {ORVANTA_TEST_DATA_DIR "/../../docs/sample.html",
                                      ORVANTA_TEST_DATA_DIR "/../../docs/manual.html"};
    for (const auto& entry : std::filesystem::directory_iterator(ORVANTA_TEST_DATA_DIR "/pages")) {
        if (entry.path().extension() == ".html" || entry.path().extension() == ".htm") {
            pages.push_back(entry.path().string());
        }
    }
    // Twelve files: the pages over and over, every third one missing.
    std::string files;
    for (int n = 1; n <= 12; ++n) {
        files += n % 3 == 0 ? " '/nonexistent/missing-" + std::to_string(n) + ".html'"
                            : " '" + pages[n % pages.size()] + "'";
    }
    for (const std::string mode :
         {"", "--list-words", "--show-existing", "--format json", "--stats --min-frequency 1"}) {
        const CommandResult one = RunCliLine("--jobs 1 " + mode + files);
        EXPECT_EQ(one.status, 2) << mode;
        EXPECT_NE(one.err.find("missing-3.html"), std::string::npos);
        for (const std::string jobs : {"--jobs 2", "--jobs=4", "--jobs 64", ""}) {
            const CommandResult many = RunCliLine(jobs + " " + mode + files);
            EXPECT_EQ(many.status, one.status) << jobs << " " << mode;
            EXPECT_EQ(many.out, one.out) << jobs << " " << mode;
            EXPECT_EQ(many.err, one.err) << jobs << " " << mode;
        }
    }
}

TEST(CliJobs, JobCountMustBeAWholeNumberOfAtLeastOne) {
    for (const std::string bad : {"--jobs 0", "--jobs -2", "--jobs two", "--jobs=", "--jobs 1.5",
                                  "--jobs 99999999999", "--jobs"}) {
        const CommandResult r =
            RunCliLine(bad + " " + ORVANTA_TEST_DATA_DIR + "/../../docs/sample.html");
        EXPECT_EQ(r.status, 64) << bad;
        EXPECT_TRUE(r.out.empty()) << bad;
        EXPECT_NE(r.err.find("--jobs"), std::string::npos) << bad << ": " << r.err;
    }
}

} // namespace
