#pragma once

#include <cstdint>
#include <string_view>

namespace orvanta {

struct AnalysisSettings;
class IgnoreList;

// Everything an analysis run needs from whoever drives it. The run reads the settings and the
// ignore list afresh at every use, so a host may change them while a run is under way.
class RunHost {
public:
    virtual ~RunHost() = default;

    // The same two objects for the whole run: the run asks for them once and keeps reading them
    // (a call for every word would cost more than the test it serves). A host changes them in
    // place.
    virtual const AnalysisSettings& settings() const = 0;
    virtual const IgnoreList& ignoreList() const = 0;

    // A distinct word entered the table; wordCount is the number of distinct words so far.
    virtual void wordAdded(std::string_view word, std::int64_t wordCount) {
        (void)word;
        (void)wordCount;
    }
    // Called after every scanner step and after every line: the place to serve an event loop.
    // A host may throw from here to end the run at once (the window does so on Stop and Quit);
    // the run holds nothing that needs more than its destructors, and lets the exception pass.
    virtual void yieldPoint() {}
    // Called every few milliseconds during the steps that have no yield point of their own:
    // waiting for the next line of a page read on a second thread (a huge line takes a while)
    // and ranking a large table. It may throw like yieldPoint.
    virtual void longStepPoint() { yieldPoint(); }
    // Asked after every non-empty line; true ends the run as stopped.
    virtual bool stopRequested() { return false; }
    // Whether a large page may be read on a second thread while the run scans it. That takes
    // more processor time in all for less waiting, so a host that runs several pages at once
    // says no.
    virtual bool mayReadAhead() const { return true; }
};

} // namespace orvanta
