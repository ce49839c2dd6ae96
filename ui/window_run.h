#pragma once

#include "engine/analysis_run.h"
#include "engine/run_host.h"
#include "ui/run_progress.h"

#include <functional>
#include <string>

class QLabel;
class QPlainTextEdit;

namespace orvanta::ui {

// The analysis a run performs; the window's tests replace it to reach every outcome.
using AnalysisFunction = std::function<RunResult(const std::string&, RunHost&)>;

// Hosts the main window's runs, one at a time: it hands the engine the window's settings and
// ignore list, shows the words as they are found, serves the event loop during the run, and ends
// the run at once when Stop or Quit was pressed.
class WindowRun final : public RunHost {
public:
    // The settings and the list are the window's own, which it changes in place during a run.
    WindowRun(const AnalysisSettings& settings, const IgnoreList& ignoreList,
              AnalysisFunction analysis);

    // Runs the analysis on the page, showing its progress in these controls. A run that was
    // stopped ends as Stopped with the words counted so far; one that threw ends as Failed.
    RunResult run(const std::string& path, QPlainTextEdit* outputBox, QLabel* wordCountLabel);

    bool running() const { return running_; }
    // Stop was pressed: the run ends at its next yield point.
    void stop() { stopRequested_ = true; }
    // The window is closing: the run ends at its next yield point without serving the event
    // loop again or showing anything more.
    void abandon() { abandoned_ = true; }

    const AnalysisSettings& settings() const override { return settings_; }
    const IgnoreList& ignoreList() const override { return ignoreList_; }
    void wordAdded(std::string_view word, std::int64_t wordCount) override;
    void yieldPoint() override;
    void longStepPoint() override;
    bool stopRequested() override { return stopRequested_ || abandoned_; }

private:
    void serveEvents();

    const AnalysisSettings& settings_;
    const IgnoreList& ignoreList_;
    AnalysisFunction analysis_;
    RunProgress progress_;
    bool running_ = false;
    bool stopRequested_ = false;
    bool abandoned_ = false;
};

} // namespace orvanta::ui
