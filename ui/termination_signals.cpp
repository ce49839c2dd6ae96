#include "ui/termination_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace orvanta::ui {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe's writing end, for the handler (only one object is active at a time).
volatile std::sig_atomic_t signalPipe = -1;

void OnTerminationSignal(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    if (signalPipe >= 0) {
        // A full pipe already holds a pending request; nothing is lost by dropping this one.
        [[maybe_unused]] const ssize_t written = ::write(signalPipe, &byte, 1);
    }
    errno = savedErrno;
}

void SetHandler(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}

// A signal the program was started with ignored stays ignored: nohup ignores SIGHUP, and a shell
// ignores SIGINT for a command it runs in the background.
bool IsIgnored(int signal) {
    struct sigaction current {};
    return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        return; // the signals keep their default effect
    }
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::onPipeReadable);
    signalPipe = pipe_[1];
    for (const int signal : kSignals) {
        if (!IsIgnored(signal)) {
            SetHandler(signal, OnTerminationSignal);
            handledSignals_.push_back(signal);
        }
    }
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    for (const int signal : handledSignals_) {
        SetHandler(signal, SIG_DFL);
    }
    signalPipe = -1;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void TerminationSignals::onPipeReadable() {
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    onSignal_();
}

} // namespace orvanta::ui
