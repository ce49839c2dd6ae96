#include "ui/window_run.h"

#include "core/messages.h"

#include <QCoreApplication>
#include <exception>
#include <utility>

namespace orvanta::ui {

namespace {

// Thrown from a yield point to end a run at once when Stop or Quit was pressed during it.
struct RunInterrupted {};

} // namespace

WindowRun::WindowRun(const AnalysisSettings& settings, const IgnoreList& ignoreList,
                     AnalysisFunction analysis)
    : settings_(settings), ignoreList_(ignoreList), analysis_(std::move(analysis)) {}

RunResult WindowRun::run(const std::string& path, QPlainTextEdit* outputBox,
                         QLabel* wordCountLabel) {
    stopRequested_ = false;
    progress_.start(outputBox, wordCountLabel);
    running_ = true;
    RunResult result;
    try {
        result = analysis_(path, *this);
    } catch (const RunInterrupted&) {
        result.outcome = RunOutcome::Stopped;
        result.wordsIdentified = progress_.wordCount();
    } catch (const std::exception& error) {
        result.outcome = RunOutcome::Failed;
        result.failureReason = core::ExceptionReason(error);
    }
    running_ = false;
    if (!abandoned_) {
        progress_.flush();
    }
    return result;
}

void WindowRun::wordAdded(std::string_view word, std::int64_t wordCount) {
    progress_.wordAdded(word, wordCount);
}

// Serves the event loop every few tens of milliseconds. A Stop or Quit pressed meanwhile ends the
// run right here, inside the line being scanned, so that it takes effect at once however long
// the line is; the words counted up to this point stay counted.
void WindowRun::yieldPoint() {
    if (!abandoned_ && progress_.due()) {
        serveEvents();
    }
}

void WindowRun::longStepPoint() {
    if (!abandoned_ && progress_.dueByClock()) {
        serveEvents();
    }
}

// Shows the progress and serves the event loop; ends the run when Stop or Quit was pressed.
void WindowRun::serveEvents() {
    progress_.flush();
    QCoreApplication::processEvents();
    if (stopRequested()) {
        throw RunInterrupted{};
    }
}

} // namespace orvanta::ui
