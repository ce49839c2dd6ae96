#include "ui/state_file_location.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using orvanta::ui::StateFileLocation;

class StateFileLocationTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString makeSettingsFile(const QString& folder) {
        QDir().mkpath(folder);
        QFile file(folder + "/orv.usr");
        return file.open(QIODevice::WriteOnly) ? file.fileName() : QString();
    }

private slots:
    void settingsLiveInTheUserConfigFolder() {
        QCOMPARE(StateFileLocation(dir.path(), "/home/u/.config"),
                 QString("/home/u/.config/orvanta/orv.usr"));
        QCOMPARE(StateFileLocation(dir.filePath("no-such-folder"), "/home/u/.config"),
                 QString("/home/u/.config/orvanta/orv.usr"));
    }

    void xdgConfigHomeNamesTheConfigFolder() {
        const QString config = dir.filePath("xdg-config");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        QCOMPARE(StateFileLocation(), config + "/orvanta/orv.usr");
        qunsetenv("XDG_CONFIG_HOME");
    }

    void aPortableCopyKeepsTheFileBesideIt() {
        const QString program = dir.filePath("portable");
        const QString beside = makeSettingsFile(program);
        QCOMPARE(StateFileLocation(program, "/home/u/.config"), beside);
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
            const bool passedBy = StateFileLocation(program, "/home/u/.config") ==
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

QTEST_GUILESS_MAIN(StateFileLocationTest)
#include "state_file_location_test.moc"
