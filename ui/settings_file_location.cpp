#include "ui/settings_file_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace orvanta::ui {

QString SettingsFileLocation(const QString& programFolder, const QString& configFolder) {
    const QString beside = QDir(programFolder).filePath(QStringLiteral("orv.usr"));
    // Saving replaces the file through a new one in the same folder, so the folder must be
    // writable for the file beside the program to be kept up to date.
    if (QFileInfo::exists(beside) &&
        ::access(QFile::encodeName(programFolder).constData(), W_OK) == 0) {
        return beside;
    }
    return QDir(configFolder).filePath(QStringLiteral("orvanta/orv.usr"));
}

QString SettingsFileLocation() {
    return SettingsFileLocation(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

} // namespace orvanta::ui
