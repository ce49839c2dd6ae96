#include "window_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

using orvanta::ui::SingleInstanceLock;

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    // The second start finds the first copy's lock; the first start sees none. A copy that dies
    // without cleaning up (as when killed) leaves the lock free.
    void onlyTheFirstCopyStartsAndTheSecondTouchesNoSettings() {
        WindowFixture f, g;
        g.settingsPath = f.settingsPath;
        const QString lockPath = f.folder.filePath("orvanta.lock");
        SingleInstanceLock first(lockPath), second(lockPath);
        QVERIFY(f.startProgram(first) && f.window->isVisible());
        QVERIFY(!f.window->windowIcon().isNull());
        QVERIFY(!g.startProgram(second, f.folder.filePath("open.socket")));
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(g.dialogs.messages,
                 QStringList{"A copy of Orvanta 1.0 is already running. | Orvanta"});
        QVERIFY(!QFile::exists(f.settingsPath));

        const QString otherPath = f.folder.filePath("other.lock");
        const pid_t child = fork();
        if (child == 0) {
            SingleInstanceLock lock(otherPath);
            ::_exit(lock.tryLock() ? 0 : 1); // no destructor runs
        }
        int status = 1;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        SingleInstanceLock next(otherPath);
        QVERIFY(next.tryLock());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
