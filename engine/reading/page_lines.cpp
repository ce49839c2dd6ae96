#include "engine/reading/page_lines.h"

#include "engine/preparing/line_preparation.h"
#include "engine/reading/document_reader.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace orvanta {
namespace {

// Prepared lines travel between the threads in batches of about this size.
constexpr std::size_t kBatchBytes = std::size_t{64} << 10;
// The reading thread waits while this much prepared text (8 MB) is handed over and not given
// back. Both threads work at about the same speed, each faster than the other on some stretches
// of a page; the more the reader may bank, the less often the scanner waits for it.
constexpr std::size_t kAheadBytes = 128 * kBatchBytes;
// Buffers above this capacity are freed after use rather than kept for the next line.
constexpr std::size_t kKeptCapacity = std::size_t{1} << 20;
// Data written by one thread and read by the other at every line is kept this far apart.
constexpr std::size_t kCacheLine = 64;
// How long the caller waits for a line before serving whileWaiting.
constexpr std::chrono::milliseconds kWaitSlice{10};

void ReleaseIfHuge(std::string& buffer) {
    if (buffer.capacity() > kKeptCapacity) {
        std::string().swap(buffer);
    }
}

struct Batch {
    std::string text;              // prepared lines one after another
    std::vector<std::size_t> ends; // where each line ends in text
};

} // namespace

class PageLines::Source {
public:
    virtual ~Source() = default;
    // As PageLines::next; error is set when the reading failed.
    virtual bool next(std::string_view& line, const std::function<void()>& whileWaiting,
                      std::string& error) = 0;
};

// Reads and prepares each line when it is asked for.
class PageLines::InlineSource final : public Source {
public:
    explicit InlineSource(std::unique_ptr<DocumentReader> reader) : reader_(std::move(reader)) {}

    bool next(std::string_view& line, const std::function<void()>& /*whileWaiting*/,
              std::string& error) override {
        std::string_view raw;
        while (reader_->nextUndecoded(raw, rawStorage_)) {
            if (PrepareLine(raw, line_, reader_->lineDecoder())) {
                line = line_;
                return true;
            }
        }
        error = reader_->error();
        return false;
    }

private:
    std::unique_ptr<DocumentReader> reader_;
    std::string rawStorage_;
    std::string line_;
};

// Reads and prepares lines on a thread of its own, handing them over in batches.
class PageLines::ThreadSource final : public Source {
public:
    // Starts the thread; throws std::system_error when it cannot (reader is then given back).
    explicit ThreadSource(std::unique_ptr<DocumentReader>& reader) : reader_(std::move(reader)) {
        reader_->setCancelFlag(&cancel_);
        try {
            thread_ = std::thread([this] { run(); });
        } catch (...) {
            reader_->setCancelFlag(nullptr);
            reader = std::move(reader_);
            throw;
        }
    }

    ~ThreadSource() override {
        {
            const std::lock_guard lock(mutex_);
            cancel_ = true;
        }
        room_.notify_all();
        thread_.join();
    }

    ThreadSource(const ThreadSource&) = delete;
    ThreadSource& operator=(const ThreadSource&) = delete;

    bool next(std::string_view& line, const std::function<void()>& whileWaiting,
              std::string& error) override;

private:
    void run();
    void readLines();
    std::unique_ptr<Batch> spareBatch();
    void handOver(std::unique_ptr<Batch> batch);
    void giveBack(std::unique_ptr<Batch> batch);
    bool waitForBatch(const std::function<void()>& whileWaiting);

    // Written before the thread starts, then used by the thread only.
    std::unique_ptr<DocumentReader> reader_;

    // Shared; guarded by mutex_ (cancel_ is also read without it).
    std::mutex mutex_;
    std::condition_variable ready_; // a batch was handed over or the reading ended
    std::condition_variable room_;  // a batch was given back or the reading is cancelled
    std::deque<std::unique_ptr<Batch>> full_;
    std::vector<std::unique_ptr<Batch>> spare_;
    std::size_t bytesOut_ = 0; // prepared text handed over and not given back
    bool finished_ = false;
    std::string readError_;
    std::exception_ptr failure_;
    // Read by the thread at every line: kept apart from what the caller writes at every line,
    // so that the two processors do not pass one cache line back and forth.
    alignas(kCacheLine) std::atomic<bool> cancel_{false};

    // The caller's.
    alignas(kCacheLine) std::unique_ptr<Batch> current_;
    std::size_t currentLine_ = 0;

    std::thread thread_; // last: started once everything above exists
};

void PageLines::ThreadSource::run() {
    std::exception_ptr failure;
    try {
        readLines();
    } catch (...) {
        failure = std::current_exception();
    }
    {
        const std::lock_guard lock(mutex_);
        failure_ = failure;
        readError_ = reader_->error();
        finished_ = true;
    }
    ready_.notify_one();
}

void PageLines::ThreadSource::readLines() {
    std::string_view raw;
    std::string rawStorage;
    std::string line;
    std::unique_ptr<Batch> batch = spareBatch();
    while (!cancel_ && reader_->nextUndecoded(raw, rawStorage)) {
        const bool prepared = PrepareLine(raw, line, reader_->lineDecoder(), &cancel_);
        ReleaseIfHuge(rawStorage);
        if (!prepared) {
            continue;
        }
        if (line.size() >= kBatchBytes) {
            // A long line travels alone, without a copy.
            if (!batch->ends.empty()) {
                handOver(std::move(batch));
                batch = spareBatch();
            }
            batch->text.swap(line);
        } else {
            batch->text += line;
        }
        batch->ends.push_back(batch->text.size());
        ReleaseIfHuge(line);
        if (batch->text.size() >= kBatchBytes) {
            handOver(std::move(batch));
            batch = spareBatch();
        }
    }
    if (!batch->ends.empty()) {
        handOver(std::move(batch));
    }
}

std::unique_ptr<Batch> PageLines::ThreadSource::spareBatch() {
    {
        const std::lock_guard lock(mutex_);
        if (!spare_.empty()) {
            std::unique_ptr<Batch> batch = std::move(spare_.back());
            spare_.pop_back();
            return batch;
        }
    }
    return std::make_unique<Batch>();
}

// Hands a batch to the caller, then waits until the caller is not too far behind.
void PageLines::ThreadSource::handOver(std::unique_ptr<Batch> batch) {
    std::unique_lock lock(mutex_);
    bytesOut_ += batch->text.size();
    full_.push_back(std::move(batch));
    ready_.notify_one();
    room_.wait(lock, [this] { return cancel_ || bytesOut_ < kAheadBytes; });
}

void PageLines::ThreadSource::giveBack(std::unique_ptr<Batch> batch) {
    const std::size_t size = batch->text.size();
    const bool keep = batch->text.capacity() <= kKeptCapacity;
    if (keep) {
        batch->text.clear();
        batch->ends.clear();
    } else {
        batch.reset(); // a huge line's buffer is freed at once
    }
    {
        const std::lock_guard lock(mutex_);
        bytesOut_ -= size;
        if (keep) {
            spare_.push_back(std::move(batch));
        }
    }
    room_.notify_one();
}

// Waits until a batch is there or the reading has ended, serving whileWaiting meanwhile. False
// when the reading has ended with nothing left.
bool PageLines::ThreadSource::waitForBatch(const std::function<void()>& whileWaiting) {
    std::unique_lock lock(mutex_);
    const auto arrived = [this] { return !full_.empty() || finished_; };
    while (!ready_.wait_for(lock, kWaitSlice, arrived)) {
        lock.unlock();
        whileWaiting();
        lock.lock();
    }
    if (full_.empty()) {
        return false;
    }
    current_ = std::move(full_.front());
    full_.pop_front();
    currentLine_ = 0;
    return true;
}

bool PageLines::ThreadSource::next(std::string_view& line,
                                   const std::function<void()>& whileWaiting, std::string& error) {
    if (current_ && currentLine_ == current_->ends.size()) {
        giveBack(std::move(current_));
    }
    if (!current_ && !waitForBatch(whileWaiting)) {
        const std::lock_guard lock(mutex_);
        if (failure_) {
            std::rethrow_exception(failure_);
        }
        error = readError_;
        return false;
    }
    const std::size_t begin = currentLine_ == 0 ? 0 : current_->ends[currentLine_ - 1];
    line = std::string_view(current_->text).substr(begin, current_->ends[currentLine_] - begin);
    ++currentLine_;
    return true;
}

PageLines::PageLines() = default;
PageLines::~PageLines() = default;

bool PageLines::open(const std::string& path, std::size_t readAheadFromBytes) {
    source_.reset();
    error_.clear();
    auto reader = std::make_unique<DocumentReader>();
    if (!reader->open(path)) {
        error_ = reader->error();
        return false;
    }
    if (reader->bytesLeft() >= readAheadFromBytes) {
        try {
            source_ = std::make_unique<ThreadSource>(reader);
        } catch (const std::system_error&) {
            // No thread to be had: the caller's thread does the reading too.
        }
    }
    if (!source_) {
        source_ = std::make_unique<InlineSource>(std::move(reader));
    }
    return true;
}

bool PageLines::next(std::string_view& line, const std::function<void()>& whileWaiting) {
    return source_ && source_->next(line, whileWaiting, error_);
}

} // namespace orvanta
