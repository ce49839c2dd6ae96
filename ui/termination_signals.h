#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QSocketNotifier;

namespace orvanta::ui {

// Turns SIGTERM, SIGHUP and SIGINT (a desktop logging out, `kill`, Ctrl+C in the terminal that
// started the program) into a call of onSignal from the event loop, so the program can close its
// window the normal way and save the settings. The signal handler only writes a byte to a pipe;
// everything else happens outside it. A signal ignored when the object is made is left ignored.
// The default handlers come back when the object goes.
class TerminationSignals : public QObject {
public:
    explicit TerminationSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void onPipeReadable();

    std::function<void()> onSignal_;
    int pipe_[2] = {-1, -1};
    std::vector<int> handledSignals_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace orvanta::ui
