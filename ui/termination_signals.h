#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace orvanta::ui {

// Turns SIGTERM and SIGHUP (a desktop logging out, `kill`) into a call of onSignal from the event
// loop, so the program can close its window the normal way and save the settings. The signal
// handler only writes a byte to a pipe; everything else happens outside it. The default handlers
// come back when the object goes.
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
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace orvanta::ui
