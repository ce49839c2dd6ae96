#include "ui/help_text.h"

#include "ui/resources.h"

#include <QFile>

namespace orvanta::ui {

QString HelpText(const QString& manualAddress) {
    EnsureResources();
    QFile file(QStringLiteral(":/orvanta/help.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("%MANUAL%"), manualAddress);
    return text;
}

} // namespace orvanta::ui
