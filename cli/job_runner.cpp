#include "cli/job_runner.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace orvanta::cli {
namespace {

// What the threads share: which item starts next, which are done, and how far delivery is.
class Schedule {
public:
    Schedule(std::size_t count, std::size_t lookAhead)
        : count_(count), lookAhead_(lookAhead), done_(count, false), errors_(count) {}

    // The next item to work on, or count when there is none left (or the run was abandoned).
    std::size_t take() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] {
            return abandoned_ || next_ >= count_ || next_ < delivered_ + lookAhead_;
        });
        return abandoned_ || next_ >= count_ ? count_ : next_++;
    }

    void finish(std::size_t item, std::exception_ptr error) {
        {
            const std::lock_guard lock(mutex_);
            done_[item] = true;
            errors_[item] = std::move(error);
        }
        changed_.notify_all();
    }

    // Waits until the item is done; returns what its work threw, if anything.
    std::exception_ptr awaitDone(std::size_t item) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return done_[item]; });
        return errors_[item];
    }

    void delivered(std::size_t item) {
        {
            const std::lock_guard lock(mutex_);
            delivered_ = item + 1;
        }
        changed_.notify_all();
    }

    void abandon() {
        {
            const std::lock_guard lock(mutex_);
            abandoned_ = true;
        }
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    const std::size_t count_;
    const std::size_t lookAhead_;
    std::size_t next_ = 0;
    std::size_t delivered_ = 0;
    bool abandoned_ = false;
    std::vector<bool> done_;
    std::vector<std::exception_ptr> errors_;
};

void RunOneByOne(std::size_t count, const std::function<void(std::size_t)>& work,
                 const std::function<void(std::size_t)>& deliver) {
    for (std::size_t i = 0; i < count; ++i) {
        work(i);
        deliver(i);
    }
}

} // namespace

unsigned DefaultJobCount() {
    return std::max(1U, std::thread::hardware_concurrency());
}

void RunInOrder(std::size_t count, unsigned jobs, const std::function<void(std::size_t)>& work,
                const std::function<void(std::size_t)>& deliver) {
    const std::size_t threadCount = std::min<std::size_t>(jobs, count);
    if (threadCount <= 1) {
        RunOneByOne(count, work, deliver);
        return;
    }
    Schedule schedule(count, 4 * threadCount);
    std::vector<std::jthread> threads;
    threads.reserve(threadCount);
    for (std::size_t t = 0; t < threadCount; ++t) {
        threads.emplace_back([&] {
            for (std::size_t i = schedule.take(); i < count; i = schedule.take()) {
                std::exception_ptr error;
                try {
                    work(i);
                } catch (...) {
                    error = std::current_exception();
                }
                schedule.finish(i, std::move(error));
            }
        });
    }
    for (std::size_t i = 0; i < count; ++i) {
        std::exception_ptr error = schedule.awaitDone(i);
        if (!error) {
            try {
                deliver(i);
                schedule.delivered(i);
                continue;
            } catch (...) {
                error = std::current_exception();
            }
        }
        schedule.abandon();
        threads.clear(); // joins: the threads finish the items they hold and stop
        std::rethrow_exception(error);
    }
}

} // namespace orvanta::cli
