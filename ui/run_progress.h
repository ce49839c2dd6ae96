#pragma once

#include "ui/yield_throttle.h"

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

class QLabel;
class QPlainTextEdit;

namespace orvanta::ui {

// Appends text at the end of the box and scrolls to it.
void AppendAtEnd(QPlainTextEdit* box, const QString& text);

// The progress display of a run: each new word appended to the output box and the running count
// in the word count label. Words are collected and shown in one piece whenever the event loop is
// served, which looks the same as adding them one by one and costs a fraction of it. Every
// kWordsPerLine words start a new line: the box lays out a whole paragraph again whenever text is
// added to it, so one ever-growing paragraph would make a run of many distinct words quadratic.
class RunProgress {
public:
    // Starts a run's display in these controls.
    void start(QPlainTextEdit* outputBox, QLabel* wordCountLabel);
    void wordAdded(std::string_view word, std::int64_t wordCount);
    // Distinct words reported so far.
    std::int64_t wordCount() const { return wordCount_; }
    // True when enough time has passed since the last pass of the event loop.
    bool due() { return throttle_.due(); }
    // The same for callers that ask only every few milliseconds.
    bool dueByClock() { return throttle_.dueByClock(); }
    // Shows what was collected since the last time.
    void flush();

private:
    QPlainTextEdit* outputBox_ = nullptr;
    QLabel* wordCountLabel_ = nullptr;
    YieldThrottle throttle_;
    std::string pendingWords_;
    std::int64_t pendingWordCount_ = -1;
    std::int64_t wordCount_ = 0;
};

inline constexpr std::int64_t kWordsPerLine = 250;

} // namespace orvanta::ui
