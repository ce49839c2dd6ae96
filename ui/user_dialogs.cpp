#include "ui/user_dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace orvanta::ui {
namespace {

// "Description | *.a;*.b" becomes Qt's "Description (*.a *.b)". The description already names
// the patterns, and the dialog is told not to show them a second time.
QString QtNameFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    const QString description = filter.left(bar).trimmed();
    const QStringList patterns =
        filter.mid(bar + 1).trimmed().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

} // namespace

void QtUserDialogs::showMessage(QWidget* parent, const QString& text, const QString& title,
                                MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtUserDialogs::askOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                                       const QStringList& filters) {
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name that does not exist, or has another extension, comes back to the caller,
    // which reports what is wrong with it.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    QStringList nameFilters;
    for (const QString& filter : filters) {
        nameFilters << QtNameFilter(filter);
    }
    dialog.setNameFilters(nameFilters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

bool QtUserDialogs::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace orvanta::ui
