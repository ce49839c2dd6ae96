#include "ui/command_line.h"

#include <QDir>
#include <QUrl>

namespace orvanta::ui {

QString FileToOpen(const QStringList& arguments, const QString& workingFolder) {
    QString given;
    for (qsizetype i = 1; i < arguments.size() && given.isEmpty(); ++i) {
        given = arguments[i] == QLatin1String("--") && i + 1 < arguments.size() ? arguments[i + 1]
                                                                                : arguments[i];
    }
    if (given.isEmpty()) {
        return {};
    }
    if (given.startsWith(QLatin1String("file:"))) {
        given = QUrl(given).toLocalFile();
    }
    return QDir::cleanPath(QDir(workingFolder).absoluteFilePath(given));
}

} // namespace orvanta::ui
