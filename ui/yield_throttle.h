#pragma once

#include <QElapsedTimer>
#include <cstdint>

namespace orvanta::ui {

// A run asks to yield after every scanner step, millions of times for a large page. Serving the
// event loop that often would cost more than the analysis, so this says when enough time has
// passed for the next pass; it reads the clock only once every 256 asks.
class YieldThrottle {
public:
    explicit YieldThrottle(std::int64_t intervalMs = 30) : intervalMs_(intervalMs) {}

    void restart() {
        asks_ = 0;
        timer_.start();
    }

    bool due() { return (++asks_ & 0xFF) == 0 && dueByClock(); }

    // The same without the count, for callers that ask rarely.
    bool dueByClock() {
        if (!timer_.isValid() || timer_.elapsed() >= intervalMs_) {
            timer_.start();
            return true;
        }
        return false;
    }

private:
    std::int64_t intervalMs_;
    std::uint32_t asks_ = 0;
    QElapsedTimer timer_;
};

} // namespace orvanta::ui
