#include "ui/web_links.h"

#include "ui/program_identity.h"
#include "ui/user_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvanta::ui {

QUrl ManualUrl() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString besideProgram = programFolder.filePath(QStringLiteral("manual.html"));
    const QString installed =
        programFolder.filePath(QStringLiteral("../share/orvanta/manual.html"));
    const QString chosen = QFileInfo::exists(besideProgram) || !QFileInfo::exists(installed)
                               ? besideProgram
                               : installed;
    return QUrl::fromLocalFile(QDir::cleanPath(chosen));
}

QUrl MakerUrl() {
    QUrl url = ManualUrl();
    url.setFragment(QStringLiteral("about"));
    return url;
}

void OpenWebPage(UserDialogs& dialogs, QWidget* parent, const QUrl& address) {
    if (dialogs.openUrl(address)) {
        return;
    }
    // Both links lead into the manual, a file the user can still open by hand.
    dialogs.showMessage(parent,
                        QStringLiteral("Error launching web browser. ") +
                            QStringLiteral("Please make sure that your web browser is "
                                           "correctly installed ") +
                            QStringLiteral("and configured") +
                            QStringLiteral("\n\nThe manual is the file ") +
                            QDir::toNativeSeparators(ManualUrl().toLocalFile()),
                        ProgramName(), MessageIcon::Warning);
}

} // namespace orvanta::ui
