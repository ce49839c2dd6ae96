#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace orvanta::ui {

// How a second copy of the program, started to open a page, hands the page to the running copy:
// a local socket per user beside the single-instance lock. The running copy listens on it; the
// second copy sends the page's absolute path as one UTF-8 line and waits for "ok".

// The channel of the current user.
QString DefaultOpenChannelName();

// Sends path to the copy listening on channelName. True once that copy has confirmed it took the
// page; false when no copy answers within timeoutMs.
bool HandFileToRunningCopy(const QString& channelName, const QString& path, int timeoutMs = 3000);

// The running copy's end: hears every page handed over.
class OpenRequestServer final : public QObject {
    Q_OBJECT
public:
    explicit OpenRequestServer(QObject* parent = nullptr);

    // Starts listening. Only the copy holding the single-instance lock calls this, so a socket
    // file left by a copy that crashed is removed first.
    bool listen(const QString& channelName);

signals:
    void fileRequested(const QString& path);

private:
    void onNewConnection();

    QLocalServer server_;
};

} // namespace orvanta::ui
