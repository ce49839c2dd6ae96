#include "ui/state_file_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <unistd.h>

namespace orvanta::ui {

QString StateFileLocation(const QString& programFolder, const QString& configFolder) {
    const QByteArray folder = QFile::encodeName(programFolder);
    if (::access(folder.constData(), W_OK) == 0) {
        return QDir(programFolder).filePath(QStringLiteral("orv.usr"));
    }
    return QDir(configFolder).filePath(QStringLiteral("orvanta/orv.usr"));
}

QString StateFileLocation() {
    return StateFileLocation(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

} // namespace orvanta::ui
