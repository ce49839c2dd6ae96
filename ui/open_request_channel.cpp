#include "ui/open_request_channel.h"

#include "ui/single_instance_lock.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

namespace orvanta::ui {

namespace {

constexpr qsizetype kMaxRequestBytes = 64 * 1024;
const QByteArray kConfirmation = QByteArrayLiteral("ok\n");

// One attempt: connect, send the line, wait for the confirmation.
bool SendOnce(const QString& channelName, const QByteArray& line, QDeadlineTimer deadline) {
    QLocalSocket socket;
    socket.connectToServer(channelName);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
        return false;
    }
    socket.write(line);
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
        return false;
    }
    QByteArray reply;
    while (reply.size() < kConfirmation.size() && !deadline.hasExpired() &&
           socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        reply += socket.readAll();
    }
    return reply.startsWith(kConfirmation);
}

} // namespace

QString DefaultOpenChannelName() {
    QString name = SingleInstanceLock::DefaultPath();
    name.chop(QStringLiteral(".lock").size());
    return name + QStringLiteral(".socket");
}

bool HandFileToRunningCopy(const QString& channelName, const QString& path, int timeoutMs) {
    const QByteArray line = path.toUtf8() + '\n';
    const QDeadlineTimer deadline(timeoutMs);
    // The running copy may still be starting and not yet listening: try again for a while.
    while (!deadline.hasExpired()) {
        if (SendOnce(channelName, line, deadline)) {
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}

OpenRequestServer::OpenRequestServer(QObject* parent) : QObject(parent) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &OpenRequestServer::onNewConnection);
}

bool OpenRequestServer::listen(const QString& channelName) {
    QLocalServer::removeServer(channelName);
    return server_.listen(channelName);
}

void OpenRequestServer::onNewConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxRequestBytes) {
                    socket->abort();
                }
                return;
            }
            const QString path = QString::fromUtf8(socket->readLine()).chopped(1);
            socket->write(kConfirmation);
            socket->flush();
            socket->disconnectFromServer();
            emit fileRequested(path);
        });
    }
}

} // namespace orvanta::ui
