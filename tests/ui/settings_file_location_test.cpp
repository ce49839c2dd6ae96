#include "ui/settings_file_location.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using orvanta::ui::SettingsFileLocation;

class SettingsFileLocationTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString makeSettingsFile(const QString& folder) {
        QDir().mkpath(folder);
        QFile file(folder + "/orv.usr");
        return file.open(QIODevice::WriteOnly) ? file.fileName() : QString();
    }

private slots:
    // In the user's configuration folder (XDG_CONFIG_HOME when set), unless a portable copy
    // keeps the file beside the program.
    void settingsLiveInTheUserConfigFolderOrBesideAPortableCopy() {
        QCOMPARE(SettingsFileLocation(dir.path(), "/home/u/.config"),
                 QString("/home/u/.config/orvanta/orv.usr"));
        QCOMPARE(SettingsFileLocation(dir.filePath("no-such-folder"), "/home/u/.config"),
                 QString("/home/u/.config/orvanta/orv.usr"));
        const QString program = dir.filePath("portable");
        const QString beside = makeSettingsFile(program);
        QCOMPARE(SettingsFileLocation(program, "/home/u/.config"), beside);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("xdg-config")));
        QCOMPARE(SettingsFileLocation(), dir.filePath("xdg-config") + "/orvanta/orv.usr");
        qunsetenv("XDG_CONFIG_HOME");
    }

    // A file beside the program in a folder the user may not write to (say, one left in
    // /usr/bin) is not used: saving could never replace it.
    void aFileBesideTheProgramInAFolderTheUserCannotWriteIsPassedBy() {
        const QString program = dir.filePath("installed");
        makeSettingsFile(program);
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(program).constData(), 0555) == 0);
        // The superuser may write anywhere; the check runs as an ordinary user then.
        const pid_t child = fork();
        if (child == 0) {
            if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                ::_exit(2);
            }
            const bool passedBy = SettingsFileLocation(program, "/home/u/.config") ==
                                  QLatin1String("/home/u/.config/orvanta/orv.usr");
            ::_exit(passedBy ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        ::chmod(QFile::encodeName(program).constData(), 0755);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }
};

QTEST_GUILESS_MAIN(SettingsFileLocationTest)
#include "settings_file_location_test.moc"
